#pragma once
// Places every particle at its system's position.

#include "particle/ParticleKeys.h"
#include "particle/Spout.h"

class SpoutPoint : public Spout {
public:
  static constexpr uint8_t Kind = 0;

  Symbol getType() const override { return particleKeys().point; }
  uint8_t kindCode() const override { return Kind; }
};
