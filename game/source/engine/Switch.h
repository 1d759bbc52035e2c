#pragma once
// A pad on one grid cell. The ball touching an armed switch toggles every
// door of the level; the switch then disarms, and re-arms only in a frame
// without contact once it has gone back to ready, so a ball resting on it
// toggles the doors once.

#include "engine/CylinderGeometry.h"
#include "engine/GameObject.h"
#include "math/Vector2i.h"
#include "physics/Listener.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Switch : public GameObject, public physics::ContactListener {
public:
  enum State : uint32_t { READY = 0, HIT = 1, NONE = 2 };
  // The pad's round post reaches half a cell.
  static constexpr float radius = 0.5f * 3.0f;
  // The level file's column and row.
  static constexpr uint32_t levelRecordBytes = 8;
  // State, state time, column, row, armed.
  static constexpr uint32_t recordBytes = 1 + 4 + 4 + 4 + 1;

  // Ready and armed in cell (0, 0); its post is in the level's simulation.
  explicit Switch(Level &level);
  ~Switch() override;

  // Nothing once dead; a hit lasts 1 s; a ready switch with no contact
  // this frame re-arms.
  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override;
  void reset() override { setState(READY); }
  // Only while the engine plays: any contact marks the frame; the ball on
  // an armed switch toggles the doors.
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  // Only a different state counts: the state time restarts; entering HIT
  // disarms.
  void setState(uint32_t state);
  void setCell(const math::Vector2i &cell);

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
  bool armed() const { return m_armed; }
  bool touched() const { return m_touched; }
  CylinderGeometry &geometry() { return m_geometry; }

private:
  uint32_t m_state = NONE;
  float m_stateTime = 0.0f;
  math::Vector2i m_cell;
  CylinderGeometry m_geometry{radius};
  bool m_armed = true;
  bool m_touched = false;
};
