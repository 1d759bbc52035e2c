#pragma once
// Places particles on a ring in the x-y plane about the position, at a
// random whole-degree angle.

#include "math/Vector2.h"
#include "particle/SpoutRadial.h"

class SpoutCircle : public SpoutRadial<math::Vector2> {
public:
  static constexpr uint8_t Kind = 1;

  Symbol getType() const override;
  void place(const ParticleSystem &system, Particle &particle) const override;
  uint8_t kindCode() const override { return Kind; }
};
