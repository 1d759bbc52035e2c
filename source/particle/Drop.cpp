#include "particle/Drop.h"

#include "animation/AnimationDefinition.h"
#include "animation/Skeleton.h"
#include "billboard/Billboard2D.h"
#include "math/Scalar.h"
#include "particle/DropDefinition.h"
#include "particle/OscillatorDefinition.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "quip/ScriptFrame.h"
#include "text/FormattedText.h"
#include "video/Canvas.h"
#include "video/DisplayHost.h"

#include <cmath>

namespace {

float eased(int tween, float p) {
  switch (tween) {
  case Drop::TWEEN_NONE:
    return 0.0f;
  case Drop::TWEEN_EASE_IN_OUT:
    return float((1.0 - std::cos(p * math::pi)) / 2.0);
  case Drop::TWEEN_EASE_IN:
    return float(1.0 - std::cos(p * math::pi / 2.0));
  case Drop::TWEEN_EASE_OUT:
    return float(std::sin(p * math::pi / 2.0));
  default:
    return p;
  }
}

} // namespace

Drop::Drop(DropDefinition *definition, const math::Vector2 &at)
    : start(at), target(at), position(at), center(definition->center), m_definition(definition) {
  if (definition->particleSystem)
    m_particleSystem = definition->particleSystem->instantiate(at, 0.0f);
  if (definition->formattedText())
    m_text = new text::FormattedText(*definition->formattedText());
}

Drop::~Drop() {
  delete m_particleSystem;
  delete m_text;
}

void Drop::setAge(float age) {
  m_age = age;
  m_scriptTime = age;
}

math::Vector2 Drop::screenPoint() const {
  return inWorldSpace ? video::DisplayHost::instance().worldToScreen(position) : position;
}

void Drop::move() {
  const DropDefinition &d = *m_definition;
  float flown = m_age - d.delay;
  if (d.rotation == 0.0f) {
    float p = d.lifespan <= d.delay ? 0.0f : flown / (d.lifespan - d.delay);
    position = start + (target - start) * eased(tween, p);
    return;
  }
  math::Vector2 arm = start - center;
  arm.rotate(flown * d.rotation);
  position = center + arm;
}

void Drop::update(float dt) {
  if (!active)
    return;
  m_age += dt;
  const DropDefinition &d = *m_definition;
  if (d.lifespan >= 0.0f && m_age > d.lifespan && finishAtLifespan) {
    finish();
    return;
  }
  if (m_age > d.delay)
    move();
  math::Vector2 s = screenPoint();
  if (m_particleSystem) {
    m_particleSystem->setPosition2D(s);
    m_particleSystem->update(dt);
  }
  if (m_text)
    m_text->update(dt);
  if (quip::ScriptFrameTrack *script = d.scriptChannel()) {
    script->fire(m_scriptTime, m_age);
    m_scriptTime = m_age;
  }
}

void Drop::render(video::Canvas &canvas) {
  if (!active)
    return;
  const DropDefinition &d = *m_definition;
  math::Vector2 s = screenPoint();
  bool turned = false;
  if (d.alignToVelocity) {
    math::Vector2 direction = target - start;
    if (direction.length() > 0.0f) {
      float angle = direction.angleTo(math::Vector2(0.0f, 1.0f));
      if (angle != 0.0f) {
        canvas.pushMatrix();
        canvas.translate(s);
        canvas.rotate(angle, 0.0f, 0.0f, -1.0f);
        turned = true;
      }
    }
  }
  if (!turned)
    canvas.translate(s);

  animation::AnimationState state;
  if (d.animation()) {
    d.animation()->evaluate(state, m_age);
    state.apply(canvas);
  }
  for (const OscillatorDefinition *oscillator : d.oscillators())
    if (!oscillator->isFinished(m_age))
      oscillator->apply(canvas, m_age);
  bool tinted = !(color == math::Color::white);
  if (tinted) {
    canvas.pushColor();
    canvas.multiplyColor(color);
  }

  if (d.billboard())
    d.billboard()->render(canvas);
  if (d.skeleton) {
    d.skeleton->animate(m_age);
    d.skeleton->render(canvas);
  }
  if (m_text)
    m_text->render(canvas);

  if (tinted)
    canvas.popColor();
  for (const OscillatorDefinition *oscillator : d.oscillators())
    if (!oscillator->isFinished(m_age))
      oscillator->unapply(canvas);
  if (d.animation())
    state.unapply(canvas);
  if (turned)
    canvas.popMatrix();
  else
    canvas.translate(-s.x, -s.y);

  if (m_particleSystem) {
    if (tinted) {
      canvas.pushColor();
      canvas.multiplyColor(color);
    }
    m_particleSystem->render(canvas);
    if (tinted)
      canvas.popColor();
  }
}
