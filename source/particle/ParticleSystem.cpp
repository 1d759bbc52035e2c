#include "particle/ParticleSystem.h"

#include "billboard/Billboard3D.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleSystemDefinition.h"
#include "texture/Texture.h"
#include "video/Canvas.h"

ParticleSystem::ParticleSystem(ParticleSystemDefinition *definition, const math::Vector3 &position,
                               float angle)
    : m_definition(definition), m_rotationAngle(angle) {
  Spatial3D::position = position;
  m_emitters.reserve(definition->emitters.size());
  for (EmitterDefinition *emitter : definition->emitters)
    m_emitters.push(new Emitter(this, emitter));
  for (Emitter *emitter : m_emitters)
    emitter->start();
}

ParticleSystem::~ParticleSystem() {
  for (Emitter *emitter : m_emitters)
    delete emitter;
}

void ParticleSystem::setPosition(const math::Vector3 &p) {
  if (moveParticles) {
    math::Vector3 delta = p - Spatial3D::position;
    for (Emitter *emitter : m_emitters)
      emitter->translate(delta);
  }
  Spatial3D::position = p;
}

void ParticleSystem::update(float dt) {
  if (!m_active)
    return;
  for (Emitter *emitter : m_emitters)
    emitter->update(dt);
}

void ParticleSystem::render(video::Canvas &canvas) {
  canvas.pushColor();
  canvas.multiplyColor(color);
  for (Emitter *emitter : m_emitters)
    emitter->draw(canvas);
  canvas.popColor();
}

void ParticleSystem::render3D(video::Canvas &canvas, Symbol pass) {
  if (pass.isEmpty())
    render(canvas);
}

bool ParticleSystem::isFinished() const {
  for (const Emitter *emitter : m_emitters)
    if (!emitter->isFinished())
      return false;
  return true;
}

void ParticleSystem::finish() {
  for (Emitter *emitter : m_emitters)
    emitter->finish();
}

void ParticleSystem::setEmitting(bool on) {
  for (Emitter *emitter : m_emitters)
    emitter->setEmitting(on);
}

void ParticleSystem::killParticles() {
  for (Emitter *emitter : m_emitters)
    emitter->killParticles();
}

void ParticleSystem::loadTextures() {
  for (const EmitterDefinition *emitter : m_definition->emitters)
    if (emitter->billboard && emitter->billboard->texture())
      emitter->billboard->texture()->load();
}

void ParticleSystem::cullBehindPlane(const math::Vector3 &point, const math::Vector3 &normal) {
  for (Emitter *emitter : m_emitters)
    emitter->cullBehindPlane(point, normal);
}

void ParticleSystem::cullBehindLine(const math::Vector2 &point, const math::Vector2 &normal) {
  for (Emitter *emitter : m_emitters)
    emitter->cullBehindLine(point, normal);
}
