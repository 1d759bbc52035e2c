#pragma once
// Turns a particle about its system's position in the x-y plane and moves it
// out or in: expansion is the factor of the distance after one second. The
// particle's own velocity plays no part.

#include "math/Vector3.h"
#include "particle/Mover.h"

class MoverAngular : public Mover {
public:
  static constexpr uint8_t Kind = 1;

  Symbol getType() const override;
  void prepare(float dt) override;
  void move(const ParticleSystem &system, Particle &particle, float dt) override;
  void read(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void readBinary(file::ByteProducer &in) override;
  void writeBinary(file::ByteReceiver &out) const override;
  uint8_t kindCode() const override { return Kind; }

  // Degrees per second.
  float rotation = 0.0f;
  float expansion = 1.0f;
  math::Vector3 acceleration;

private:
  float m_stepFactor = 0.0f;
};
