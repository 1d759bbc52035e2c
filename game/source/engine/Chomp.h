#pragma once
// A biting mouth fixed to a grid cell. It extends when the ball comes near,
// stays out while the ball stays near and retracts once the ball has gone;
// a ball that touches it is bitten by the hazards' rule. Its post is a
// solid cylinder of the level's physics.

#include "engine/GameObject.h"
#include "math/Vector2i.h"
#include "physics/Listener.h"

#include <cstdint>

class CylinderGeometry;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Chomp : public GameObject, public physics::ContactListener {
public:
  enum State : int32_t { IDLE = 0, EXTENDED = 1, RETRACTING = 2, UNSET = 3 };
  // A ball nearer than this wakes it; one beyond the keep range, after the
  // hold, lets it retract.
  static constexpr float wakeRange = 5.0f * 3.0f;
  static constexpr float keepRange = 1.5f * wakeRange;
  static constexpr float holdTime = 3.0f;
  static constexpr float retractTime = 0.2f;
  static constexpr float radius = 0.45f * 3.0f;
  // The cell, in the level file and the snapshot alike.
  static constexpr uint32_t recordBytes = 8;
  // Drawing layers: glow, body, eye.
  static constexpr uint32_t layerCount = 3;

  // Idle in cell (0, 0), its post in the level's physics.
  explicit Chomp(Level &level);
  ~Chomp() override;

  void update(float dt) override;
  math::Vector3 getPosition() const override;
  // Idle, as a new ball finds it.
  void reset() override { setState(IDLE); }
  // Bites a playing ball while the game is played, and extends.
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  // Nothing when it is the state already; else the state time restarts.
  void setState(int32_t state);
  void renderLayer(video::Canvas &canvas, uint32_t layer);

  void setCell(const math::Vector2i &cell);
  // False, changing nothing, when the record is cut short. A chomp read
  // keeps its state: one made for the reading is idle.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  bool readLevelRecord(file::ByteProducer &in) { return read(in); }
  void writeLevelRecord(file::ByteReceiver &out) const { write(out); }

  int32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const math::Vector2i &cell() const { return m_cell; }
  const CylinderGeometry &geometry() const { return *m_geometry; }
  CylinderGeometry &geometry() { return *m_geometry; }

private:
  bool ballWithin(float range) const;

  int32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  CylinderGeometry *m_geometry;
  math::Vector2i m_cell;
};
