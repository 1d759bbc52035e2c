#include "particle/Emitter.h"

#include "math/Quaternion.h"
#include "math/Random.h"
#include "particle/EmitterDefinition.h"
#include "particle/FrameTime.h"
#include "particle/Mover.h"
#include "particle/ParticleSystem.h"
#include "particle/Spout.h"

namespace {

// One update takes at most this many steps (particles and charges).
// Sixteen pools' worth of particles only overwrite one another; the cap
// keeps a hostile charge or particle count from stalling the frame.
const uint32_t MaxEmissionsPerCall = 16 * Emitter::PoolSize;

} // namespace

Emitter::Emitter(ParticleSystem *system, EmitterDefinition *definition)
    : m_system(system), m_definition(definition) {
  for (Particle &p : m_pool)
    p.emitter = this;
}

void Emitter::start() {
  m_age = 0.0f;
  m_charge = 0.0f;
  m_emitted = 0;
  m_nextSlot = 0;
  m_finished = false;
  killParticles();
  const EmitterDefinition &d = *m_definition;
  if (d.initialParticles == 0)
    return;
  m_charge = float(d.initialParticles) * d.chargeThreshold;
  if (d.particlesPerCharge > 1)
    m_charge /= float(d.particlesPerCharge);
  if (m_emitting)
    emit();
}

Particle &Emitter::nextParticle() {
  Particle &p = m_pool[m_nextSlot];
  m_nextSlot = (m_nextSlot + 1) % PoolSize;
  // Wraps rather than overflows on an emitter that runs for ever.
  m_emitted = int32_t(uint32_t(m_emitted) + 1u);
  return p;
}

void Emitter::emitOne(Particle &p) {
  const EmitterDefinition &d = *m_definition;
  p.alive = true;
  p.age = 0.0f;
  // m_emitted already counts this particle.
  p.rotation = float(m_emitted) * d.angleIncrement;
  math::Vector3 at = m_system->getPosition();
  p.location = at;
  p.previousLocation = at;
  p.origin = at;
  d.spout->place(*m_system, p);
  math::Vector3 v = (p.location - p.previousLocation) * d.velocityScalar;
  if (d.initialVelocity.lengthSquared() != 0.0f) {
    math::Vector3 initial = d.initialVelocity;
    float a = m_system->rotationAngle() + float(m_emitted) * d.angleIncrement;
    if (a != 0.0f) {
      math::Quaternion q;
      q.setAxisAngle(m_system->rotationAxis(), a);
      initial = q.rotate(initial);
    }
    v += initial;
  }
  if (d.randomInitialVelocity > 0.0f) {
    math::Vector3 direction;
    direction.setRandomDirection();
    v += direction * d.randomInitialVelocity;
  }
  v *= particleFrameTime();
  p.previousLocation = p.location - v;
  if (d.align == EmitterDefinition::ALIGN_TO_VELOCITY)
    p.rotation = math::Vector2(v.x, v.y).angleTo(math::Vector2(0.0f, 1.0f));
  if (d.angleVariance != 0.0f)
    p.rotation += Random::globalFloat(-1.0f, 1.0f) * d.angleVariance;
  p.scale = math::Vector2(1.0f, 1.0f);
  if (d.scaleVariance.x != 0.0f)
    p.scale.x += Random::globalFloat(-1.0f, 1.0f) * d.scaleVariance.x;
  if (d.scaleVariance.y != 0.0f)
    p.scale.y += Random::globalFloat(-1.0f, 1.0f) * d.scaleVariance.y;
}

void Emitter::emit() {
  const EmitterDefinition &d = *m_definition;
  if (!d.isComplete())
    return;
  bool limited = d.maxParticles != -1;
  if ((d.lifespan >= 0.0f && m_age > d.lifespan) || (limited && m_emitted >= d.maxParticles) ||
      m_charge < d.chargeThreshold)
    return;
  // Charges and particles alike: a charge too large for the threshold to
  // wear down (or charges of no particle) must not hold the update.
  uint32_t count = 0;
  do {
    for (uint32_t i = 0; i < d.particlesPerCharge; ++i) {
      emitOne(nextParticle());
      // The charge is not reduced: the limit ends emission for good.
      if (limited && m_emitted >= d.maxParticles)
        return;
      if (++count >= MaxEmissionsPerCall) {
        m_charge = 0.0f;
        return;
      }
    }
    m_charge -= d.chargeThreshold;
    if (++count >= MaxEmissionsPerCall) {
      m_charge = 0.0f;
      return;
    }
  } while (m_charge >= d.chargeThreshold);
}

void Emitter::update(float dt) {
  m_age += dt;
  m_charge += dt;
  if (m_emitting && !m_finished)
    emit();
  Mover *mover = m_definition->mover;
  if (mover)
    mover->prepare(dt);
  float lifespan = m_definition->particleLifespan;
  for (Particle &p : m_pool) {
    if (!p.alive)
      continue;
    p.age += dt;
    if (p.age > lifespan)
      p.alive = false;
    else if (mover)
      mover->move(*m_system, p, dt);
  }
}

bool Emitter::isFinished() const {
  for (const Particle &p : m_pool)
    if (p.alive)
      return false;
  if (m_finished)
    return true;
  const EmitterDefinition &d = *m_definition;
  // One that can never emit has nothing left to do.
  if (!d.isComplete())
    return true;
  if (d.maxParticles != -1 && m_emitted >= d.maxParticles)
    return true;
  if (d.lifespan < 0.0f)
    return false;
  return m_age >= d.lifespan;
}

void Emitter::setEmitting(bool on) {
  if (on && !m_emitting)
    m_charge = 0.0f;
  m_emitting = on;
}

void Emitter::killParticles() {
  for (Particle &p : m_pool)
    p.alive = false;
}

void Emitter::translate(const math::Vector3 &delta) {
  for (Particle &p : m_pool) {
    if (!p.alive)
      continue;
    p.location += delta;
    p.previousLocation += delta;
    p.origin += delta;
  }
}

void Emitter::cullBehindPlane(const math::Vector3 &point, const math::Vector3 &normal) {
  for (Particle &p : m_pool)
    if (p.alive && (p.location - point).dot(normal) < 0.0f)
      p.alive = false;
}

void Emitter::cullBehindLine(const math::Vector2 &point, const math::Vector2 &normal) {
  for (Particle &p : m_pool) {
    math::Vector2 offset(p.location.x - point.x, p.location.y - point.y);
    if (p.alive && offset.dot(normal) < 0.0f)
      p.alive = false;
  }
}

uint32_t Emitter::liveCount() const {
  uint32_t n = 0;
  for (const Particle &p : m_pool)
    n += p.alive ? 1 : 0;
  return n;
}
