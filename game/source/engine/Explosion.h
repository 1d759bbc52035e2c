#pragma once
// The shockwave of the bomb power: for 0.3 s its radius grows to 10.5 units
// (3.5 cells), and while the level is in play every normal or stone block it
// reaches that has no group yet is blasted into the bomb's group, so that
// the whole blast scores as one.

#include "engine/GameObject.h"
#include "math/Spatial3D.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Explosion : public GameObject, public math::Spatial3D {
public:
  static constexpr float lifetime = 0.3f;
  static constexpr float maxRadius = 10.5f;
  // x, y, age, colour, group, dead.
  static constexpr uint32_t recordBytes = 4 + 4 + 4 + 1 + 2 + 1;

  // The creator sets the position, the group and the colour.
  explicit Explosion(Level &level) : GameObject(&level) {}

  // Nothing once dead. Grows, blasts what the wave reaches while the level
  // is in play, and dies at its lifetime.
  void update(float dt) override;
  // The shockwave animation posed at the age.
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return position; }

  // 10.5 x sin(min(age / 0.3, 1) x pi / 2).
  float radius() const;

  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short.
  bool read(file::ByteProducer &in);

  float age() const { return m_age; }
  unsigned color() const { return m_color; }
  void setColor(unsigned color) { m_color = color; }
  unsigned group() const { return m_group; }
  void setGroup(unsigned group) { m_group = group; }

private:
  void blastBlocks();

  float m_age = 0.0f;
  unsigned m_color = 6;
  unsigned m_group = 0;
};
