#pragma once
// A pick-up that sits in a grid cell and spins. When the ball comes within
// 7.5 units it flies to the ball, faster and faster, and is collected: an
// effect, a sound and one more coin for the level. Coins come from the
// level file; a money bug's coin first glides from the bug to its cell.

#include "engine/GameObject.h"
#include "math/Spatial3D.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Coin : public GameObject, public math::Spatial3D {
public:
  enum State : uint32_t { EMERGING = 0, IDLE = 1, ATTRACTED = 2, COLLECTED = 3, UNSET = 4 };
  // The ball draws an idle coin from this far.
  static constexpr float reach = 7.5f;
  static constexpr float emergeTime = 0.6f;
  // Units per second, gained each second of the flight, and its most.
  static constexpr float maxSpeed = 150.0f;
  // The level file's cell.
  static constexpr uint32_t levelRecordBytes = 8;
  // State, state time, position, cell, speed, dead, home, offset.
  static constexpr uint32_t recordBytes = 1 + 4 + 12 + 8 + 4 + 1 + 8 + 8;

  // Idle in cell (0, 0).
  explicit Coin(Level &level);

  // Nothing once dead; then by state: emerging, waiting for the ball, flying.
  void update(float dt) override;
  // Drawn by the coin itself while it moves; the level batches idle coins.
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return position; }

  // Only a different state counts: the state time restarts; entering
  // COLLECTED collects the coin.
  void setState(uint32_t state);
  // A money bug's drop: from the point, gliding to the cell's point.
  void emerge(const math::Vector3 &from, const math::Vector2i &cell);
  float distanceSquaredToBall() const;

  // The cell (column, row); the coin sits at the cell's point.
  void writeLevelRecord(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short.
  bool readLevelRecord(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short. The state is
  // taken without a state change.
  bool read(file::ByteProducer &in);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const math::Vector2i &cell() const { return m_cell; }
  void setCell(const math::Vector2i &cell);
  float speed() const { return m_speed; }
  const math::Vector3 &home() const { return m_home; }
  const math::Vector3 &offset() const { return m_offset; }

private:
  void collect();

  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  math::Vector2i m_cell;
  float m_speed = 0.0f;
  math::Vector3 m_home;
  math::Vector3 m_offset;
};
