#pragma once
// Carries a particle on with its own velocity, accelerated and damped: drag
// is the fraction of the velocity kept after one second.

#include "math/Vector3.h"
#include "particle/Mover.h"

class MoverLinear : public Mover {
public:
  static constexpr uint8_t Kind = 0;

  Symbol getType() const override;
  void prepare(float dt) override;
  void move(const ParticleSystem &system, Particle &particle, float dt) override;
  void read(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void readBinary(file::ByteProducer &in) override;
  void writeBinary(file::ByteReceiver &out) const override;
  uint8_t kindCode() const override { return Kind; }

  float drag = 1.0f;
  math::Vector3 acceleration;

private:
  float m_stepFactor = 1.0f;
};
