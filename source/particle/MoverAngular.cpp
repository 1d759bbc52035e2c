#include "particle/MoverAngular.h"

#include "file/BinaryPrimitives.h"
#include "math/Vector2.h"
#include "particle/Particle.h"
#include "particle/ParticleKeys.h"
#include "particle/ParticleSystem.h"
#include "quip/Token.h"

#include <cmath>

Symbol MoverAngular::getType() const { return particleKeys().angular; }

void MoverAngular::prepare(float dt) {
  m_stepFactor = float(std::pow(double(expansion), double(dt)));
}

void MoverAngular::move(const ParticleSystem &system, Particle &p, float dt) {
  math::Vector3 c = system.getPosition();
  math::Vector2 r(p.location.x - c.x, p.location.y - c.y);
  r.rotate(rotation * dt);
  r *= m_stepFactor;
  p.previousLocation = p.location;
  p.location = math::Vector3(c.x + r.x, c.y + r.y, c.z) + acceleration * dt;
}

void MoverAngular::read(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  if (const quip::Token *t = d.lookup(k.rotation))
    t->get(rotation);
  if (const quip::Token *t = d.lookup(k.expansion))
    t->get(expansion);
  if (const quip::Token *t = d.lookup(k.acceleration))
    t->get(acceleration);
}

void MoverAngular::write(quip::Dictionary &d) const {
  Mover::write(d);
  const ParticleKeys &k = particleKeys();
  if (rotation != 0.0f)
    d.set(k.rotation, quip::Token(rotation));
  if (expansion != 1.0f)
    d.set(k.expansion, quip::Token(expansion));
  if (acceleration != math::Vector3())
    d.set(k.acceleration, acceleration.toToken());
}

void MoverAngular::readBinary(file::ByteProducer &in) {
  uint8_t flags = 0;
  file::read(flags, in);
  if (flags & 1)
    file::read(rotation, in);
  if (flags & 2)
    file::read(expansion, in);
  if (flags & 4)
    file::read(acceleration, in);
}

void MoverAngular::writeBinary(file::ByteReceiver &out) const {
  Mover::writeBinary(out);
  bool accelerates = acceleration != math::Vector3();
  file::write(
      uint8_t((rotation != 0.0f ? 1 : 0) | (expansion != 1.0f ? 2 : 0) | (accelerates ? 4 : 0)),
      out);
  if (rotation != 0.0f)
    file::write(rotation, out);
  if (expansion != 1.0f)
    file::write(expansion, out);
  if (accelerates)
    file::write(acceleration, out);
}
