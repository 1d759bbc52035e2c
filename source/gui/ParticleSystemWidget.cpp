#include "gui/ParticleSystemWidget.h"

#include "billboard/Billboard3D.h"
#include "gui/DatabaseKey.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/ParticleSystemFactory.h"
#include "texture/Texture.h"
#include "video/Canvas.h"

namespace GUI {

ParticleSystemWidget::~ParticleSystemWidget() { delete m_particleSystem; }

void ParticleSystemWidget::setParticleSystem(ParticleSystem *system) {
  if (system == m_particleSystem)
    return;
  delete m_particleSystem;
  m_particleSystem = system;
}

void ParticleSystemWidget::update(float dt) {
  Widget::update(dt);
  if (m_animate && m_particleSystem)
    m_particleSystem->update(dt);
}

void ParticleSystemWidget::draw(video::Canvas &canvas) {
  if (!m_particleSystem)
    return;
  canvas.pushMatrix();
  canvas.scale(m_scale.x, m_scale.y);
  m_particleSystem->render(canvas);
  canvas.popMatrix();
}

void ParticleSystemWidget::touch() {
  if (m_particleSystem) {
    for (uint32_t i = 0; i < m_particleSystem->emitterCount(); ++i) {
      EmitterDefinition *definition = m_particleSystem->emitter(i).definition();
      if (definition && definition->billboard && definition->billboard->texture())
        definition->billboard->texture()->load();
    }
  }
  Widget::touch();
}

void ParticleSystemWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  Database *database = databaseOf(d);
  if (const quip::Token *name = typedValue(d, SYM(L"particleSystem"), quip::TYPE_SYMBOL)) {
    ParticleSystemFactory *factory = database ? ParticleSystemFactory::of(*database) : nullptr;
    // The factory gives a placeholder for a name it does not hold.
    setParticleSystem(
        factory ? factory->definition(name->symbol())->instantiate(math::Vector2(0.0f, 0.0f), 0.0f)
                : nullptr);
  }
  readTruth(d, SYM(L"animate"), m_animate);
  readValue(d, SYM(L"scale"), m_scale);
}

} // namespace GUI
