#pragma once
// Places particles in a random direction about the position.

#include "math/Vector3.h"
#include "particle/SpoutRadial.h"

class SpoutSphere : public SpoutRadial<math::Vector3> {
public:
  static constexpr uint8_t Kind = 2;

  Symbol getType() const override;
  void place(const ParticleSystem &system, Particle &particle) const override;
  uint8_t kindCode() const override { return Kind; }
};
