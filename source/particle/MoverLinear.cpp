#include "particle/MoverLinear.h"

#include "file/BinaryPrimitives.h"
#include "particle/FrameTime.h"
#include "particle/Particle.h"
#include "particle/ParticleKeys.h"
#include "quip/Token.h"

#include <cmath>

Symbol MoverLinear::getType() const { return particleKeys().linear; }

void MoverLinear::prepare(float dt) { m_stepFactor = float(std::pow(double(drag), double(dt))); }

void MoverLinear::move(const ParticleSystem &, Particle &p, float dt) {
  float frameTime = particleFrameTime();
  // The velocity is per last step: this step's share of it.
  float k = frameTime > 0.0f ? dt / frameTime : 1.0f;
  math::Vector3 v = (p.location - p.previousLocation) * k + acceleration * dt * dt;
  v *= m_stepFactor;
  p.previousLocation = p.location;
  p.location += v;
}

void MoverLinear::read(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  if (const quip::Token *t = d.lookup(k.drag))
    t->get(drag);
  if (const quip::Token *t = d.lookup(k.acceleration))
    t->get(acceleration);
}

void MoverLinear::write(quip::Dictionary &d) const {
  Mover::write(d);
  const ParticleKeys &k = particleKeys();
  if (drag != 1.0f)
    d.set(k.drag, quip::Token(drag));
  if (acceleration != math::Vector3())
    d.set(k.acceleration, acceleration.toToken());
}

void MoverLinear::readBinary(file::ByteProducer &in) {
  uint8_t flags = 0;
  file::read(flags, in);
  if (flags & 1)
    file::read(drag, in);
  if (flags & 2)
    file::read(acceleration, in);
}

void MoverLinear::writeBinary(file::ByteReceiver &out) const {
  Mover::writeBinary(out);
  bool accelerates = acceleration != math::Vector3();
  file::write(uint8_t((drag != 1.0f ? 1 : 0) | (accelerates ? 2 : 0)), out);
  if (drag != 1.0f)
    file::write(drag, out);
  if (accelerates)
    file::write(acceleration, out);
}
