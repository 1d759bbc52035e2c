#include "engine/TarBall.h"

#include "engine/Ball.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "math/Random.h"
#include "physics/DistanceConstraints.h"

#include <cmath>

namespace {

constexpr float pi = 3.14159265358979f;
constexpr float effectScale = 0.1f;
constexpr uint32_t caughtSparks = 5;

// The angle from (0, 1) of the step, in degrees, turning clockwise as the
// drawing turns about (0, 0, -1).
float headingOf(const math::Vector3 &step) { return std::atan2(step.x, step.y) * (180.0f / pi); }

math::Vector3 flat(math::Vector3 v) {
  v.z = 0.0f;
  return v;
}

} // namespace

TarBall::TarBall(Level &level) : Atomic(1), GameObject(&level) {
  setAtomCount(1);
  m_structure.setOwner(this);
  level.simulation().addStructure(&m_structure);
  setState(CHASING);
}

TarBall::~TarBall() { m_owner->simulation().removeStructure(&m_structure); }

void TarBall::setAtomCount(uint32_t n) {
  m_structure.clearConstraints();
  m_structure.setAtomCount(n);
  for (physics::Atom *atom : m_structure.atoms)
    atom->damping = atomDamping;
  m_structure.senseMask = 0;
  m_structure.slideMask = 0xF0000;
  m_structure.bounceMask = 0;
  for (uint32_t i = 0; i + 1 < n; ++i)
    m_structure.addConstraint(
        new physics::Constraint3DStick(i, i + 1, stickLength, physics::DISTANCE_EXACT));
}

void TarBall::place(const math::Vector2i &cell, uint32_t atoms) {
  setAtomCount(atoms);
  m_cell = cell;
  const math::Vector3 at = Level::cellCentre(cell);
  setPosition(at);
  setRegionIndex(int(m_owner->floorAreaAt(at)));
}

void TarBall::setState(uint32_t s) {
  if (s == m_state)
    return;
  m_state = s;
  m_stateTime = 0.0f;
}

void TarBall::reset() {
  const math::Vector3 at = Level::cellCentre(m_cell);
  for (physics::Atom *atom : m_structure.atoms)
    atom->resetPosition(at);
  setState(CHASING);
}

void TarBall::shakeOff() {
  m_owner->spawnEffect(SYM(L"tarShaken"), getPosition(), effectScale, math::Color::white,
                       Level::objectEffects());
  m_dead = true;
}

bool TarBall::touchesBall() const {
  const physics::Atom &ball = m_owner->ball().atom();
  for (const physics::Atom *atom : m_structure.atoms) {
    const math::Vector3 d = flat(atom->position - ball.position);
    const float reach = atom->radius + ball.radius;
    if (d.lengthSquared() <= reach * reach)
      return true;
  }
  return false;
}

math::Vector3 TarBall::eyePosition() const {
  math::Vector3 look = flat(m_owner->ball().getPosition() - atomPosition());
  look.normalize();
  const math::Vector3 offset = m_state == FLEEING ? math::Vector3(-look.x / 2.0f, -look.y / 2.0f, 0)
                                                  : math::Vector3(look.x / 3.0f, look.y / 4.0f, 0);
  return atomPosition() + offset;
}

void TarBall::lead(const math::Vector3 &step) {
  physics::Atom &first = atom();
  first.setPosition(first.position + step);
  if (step.lengthSquared() > 0.0f)
    m_heading = headingOf(step);
}

void TarBall::update(float dt) {
  if (m_dead)
    return;
  Ball &ball = m_owner->ball();
  const bool powered = ball.power() != Ball::NO_POWER;
  if (m_state == CHASING && powered)
    setState(FLEEING);
  else if (m_state == FLEEING && !powered)
    setState(CHASING);
  m_stateTime += dt;

  const float stepLength = float(atomCount()) * dt;
  switch (m_state) {
  case CHASING: {
    math::Vector3 step = flat(ball.getPosition() - atomPosition());
    if (step.length() > stepLength) {
      step.normalize();
      step = step * stepLength;
    }
    lead(step);
    if (ball.isPlaying() && touchesBall()) {
      ball.tar();
      setState(STUCK);
    }
    break;
  }
  case FLEEING: {
    math::Vector3 away = flat(atomPosition() - ball.getPosition());
    if (away.lengthSquared() == 0.0f) {
      math::Vector2 random;
      random.setRandomDirection();
      away = math::Vector3(random.x, random.y, 0.0f);
    }
    away.normalize();
    lead(away * stepLength);
    if (touchesBall())
      caught();
    break;
  }
  case STUCK:
    for (physics::Atom *atom : m_structure.atoms) {
      math::Vector3 d = flat(ball.getPosition() - atom->position);
      if (d.length() > clingSpeed * dt) {
        d.normalize();
        d = d * (clingSpeed * dt);
      }
      atom->setPosition(atom->position + d);
    }
    if (m_stateTime > deadlyTime)
      ball.die();
    break;
  default:
    break;
  }
  drip(dt);
}

void TarBall::caught() {
  const math::Vector3 at = getPosition();
  m_owner->spawnEffect(SYM(L"tarHitBySuper"), at, effectScale, math::Color::white,
                       Level::objectEffects());
  queueGameSound(SYM(L"killTar"), Random::globalFloat(0.7f, 1.0f));
  m_owner->addScore(atomCount() * 100 + 150, m_owner->takeGroupId(), at);
  // The spark system carries no colour of its own: the sparks flash the
  // ball in its charge colour when they arrive.
  m_owner->ball().sparkSystem().emit(caughtSparks, at);
  m_dead = true;
}

void TarBall::drip(float dt) {
  if (m_dead)
    return;
  m_dotTime -= dt;
  if (m_dotTime > 0.0f)
    return;
  m_dotTime += Random::globalFloat(0.25f, 0.75f);
  const physics::Atom &source = m_structure.getAtom(uint32_t(Random::globalNext()) % atomCount());
  m_owner->tarDots().add(math::Vector2(source.position.x, source.position.y));
}
