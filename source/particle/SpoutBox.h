#pragma once
// Places particles in a box: centred, the extents are half sizes about the
// position; not centred, the box spans twice the extent from the position
// toward the extent's sign.

#include "math/Vector3.h"
#include "particle/Spout.h"

class SpoutBox : public Spout {
public:
  static constexpr uint8_t Kind = 3;

  Symbol getType() const override;
  void read(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void readBinary(file::ByteProducer &in) override;
  void writeBinary(file::ByteReceiver &out) const override;
  void place(const ParticleSystem &system, Particle &particle) const override;
  uint8_t kindCode() const override { return Kind; }

  math::Vector3 extents;
  bool centered = true;
};
