#pragma once
// A wheel of spiked spokes round a solid hub. The spokes turn with the
// level's play time at the fire's speed and phase, so every fire keeps its
// place in the turn whenever it was loaded. A spoke kills the ball unless
// the ball holds a shield; a shielded hit stops the wheel for 2 s, and it
// turns again only when the running turn comes round to its spokes, so it
// never jumps.

#include "container/Vector.h"
#include "engine/FireSpokes.h"
#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Vector3.h"
#include "physics/Listener.h"
#include "video/Quad3D.h"

#include <cstdint>

class CylinderGeometry;
class FireGeometry;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Fire : public GameObject, public physics::ContactListener, public FireSpokes {
public:
  enum State : int32_t { STOPPED = 0, WAITING = 1, TURNING = 2, UNSET = 3 };
  static constexpr float hubRadius = 1.1f;
  static constexpr float stopTime = 2.0f;
  // x, y, speed, spoke length, phase, spoke count.
  static constexpr uint32_t levelRecordBytes = 5 * 4 + 1;
  // State, state time, the level record's fields, the two angles.
  static constexpr uint32_t recordBytes = 1 + 4 + levelRecordBytes + 2 * 4;

  // One spoke of 9 at the origin, turning at 180 degrees a second; in no
  // state until the level resets it for a ball.
  explicit Fire(Level &level);
  ~Fire() override;

  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override;
  // Waits to turn again from where its spokes stand.
  void reset() override;
  // A shielded ball stops the wheel; an unshielded one dies.
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  math::Vector3 hubPosition() const override { return getPosition(); }
  float reach() const override;
  const container::Vector<math::Vector3> &spokeTips() const override { return m_tips; }

  // Nothing when it is the state already; entering TURNING takes the
  // running angle.
  void setState(int32_t state);
  // phase + speed x play time, in [0, 360].
  float runningAngle() const;
  // From a to b, in [-180, 180].
  static float angleDifference(float a, float b);

  // x, y, speed, spoke length, phase and spoke count; the angles start at
  // the phase. False, changing nothing, when the record is cut short.
  bool readLevelRecord(file::ByteProducer &in);
  void writeLevelRecord(file::ByteReceiver &out) const;
  // The snapshot's record: state, state time, the level record's fields
  // and the two angles, taken as read.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  // A count of 0 makes one spoke.
  void setSpokes(const math::Vector3 &position, float speed, float length, float phase,
                 uint32_t count);
  int32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  float speed() const { return m_speed; }
  float phase() const { return m_phase; }
  float lastAngle() const { return m_lastAngle; }
  float spokeAngle() const { return m_spokeAngle; }
  float spokeLength() const { return m_spokeLength; }
  uint32_t spokeCount() const { return m_spokes.size(); }
  // What the level's view test takes.
  math::Box3D bounds() const;

private:
  void buildSpokes(uint32_t count);
  void recomputeTips();

  CylinderGeometry *m_hub;
  FireGeometry *m_spokeGeometry;
  int32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  float m_speed = 180.0f;
  float m_phase = 0.0f;
  float m_lastAngle = 0.0f;
  float m_spokeAngle = 0.0f;
  float m_spokeLength = 9.0f;
  container::Vector<math::Vector3> m_spokes;
  container::Vector<math::Vector3> m_tips;
  video::Quad3D m_spokeQuad;
};
