#pragma once
// A short-lived spark a block throws out when it breaks by the nuclear
// power: it flies off, slows down and fades within 1.5 s. The level moves
// nothing else about it: it draws it, and stops it where it meets a block,
// which it marks for breaking into its group.

#include "engine/GameObject.h"
#include "math/Vector2.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Neutron : public GameObject {
public:
  static constexpr float lifetime = 1.5f;
  // Fully opaque this long, then fading to nothing at the lifetime.
  static constexpr float opaqueTime = 0.75f;
  // Position, age, velocity, colour, source, stopped, dead.
  static constexpr uint32_t recordBytes = 8 + 4 + 8 + 1 + 2 + 1 + 1;

  explicit Neutron(Level &level) : GameObject(&level) {}

  // Nothing once dead; dead at its lifetime, else slowing to 0.3 of its
  // speed a second and moving on.
  void update(float dt) override;
  // The level draws neutrons in one batch.
  math::Vector3 getPosition() const override;

  // Where it starts, how fast, its colour and the value its maker gives.
  void launch(const math::Vector2 &position, const math::Vector2 &velocity, unsigned colour,
              unsigned source);
  // It met the level's geometry: it stays where it is, fading on time.
  void stop();
  // 1 to 0 over the second half of its life.
  float opacity() const;

  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short.
  bool read(file::ByteProducer &in);

  float age() const { return m_age; }
  const math::Vector2 &position() const { return m_position; }
  const math::Vector2 &velocity() const { return m_velocity; }
  bool stopped() const { return m_stopped; }
  unsigned colorIndex() const { return m_colorIndex; }
  unsigned source() const { return m_source; }

private:
  float m_age = 0.0f;
  math::Vector2 m_position;
  math::Vector2 m_velocity;
  bool m_stopped = false;
  uint8_t m_colorIndex = 6;
  uint16_t m_source = 0;
};
