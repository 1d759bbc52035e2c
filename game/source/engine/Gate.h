#pragma once
// A laser barrier between two posts, running a fixed cycle: off, warming up
// (the beam grows from both posts and the posts glow red), on (a full beam
// under a scrolling wall of energy) and cooling (the wall fades). While it
// is on, a playing ball whose last step crossed the beam loses its shield,
// or dies without one unless it is invulnerable. A phase shifts the gate
// into its cycle so that neighbouring gates run out of step.

#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Vector3.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace mesh {
class Mesh;
class MeshDefinition;
} // namespace mesh

class Gate : public GameObject {
public:
  enum State : uint32_t { OFF = 0, WARMING = 1, ON = 2, COOLING = 3, NONE = 4 };
  static constexpr uint32_t stateCount = 4;
  // Ends, phase, the four durations.
  static constexpr uint32_t levelRecordBytes = 9 * 4;
  // State, state time, then the level file's record.
  static constexpr uint32_t recordBytes = 1 + 4 + levelRecordBytes;

  // Off at time 0, both ends at the origin, durations 2.0, 1.0, 1.0, 0.1.
  explicit Gate(Level &level);
  ~Gate() override;

  // Nothing once dead; the cycle moves on, and the beam, while on, harms
  // the ball it crosses.
  void update(float dt) override;
  math::Vector3 getPosition() const override { return m_from; }

  // Only a different state counts: the state time restarts; entering OFF
  // forgets the hit.
  void setState(uint32_t state);
  // Where the cycle stands phase seconds after the start of OFF. A phase
  // of 0 or less starts it off.
  void startAtPhase();
  // Whether the beam meets the capsule the ball's atom swept in the last
  // physics step.
  bool beamHitsBall() const;
  // 0 off, rising while warming, 1 on, falling while cooling.
  float glow() const;
  // The wall's strength: 1 on, fading while cooling, else 0.
  float barrierStrength() const;
  // The ends' rectangle widened by 2, without depth.
  math::Box3D bounds() const;

  // The posts, and the beam while warming or on.
  void render(video::Canvas &canvas) override;
  // The energy wall while on or cooling.
  void renderBarrier(video::Canvas &canvas);

  void setEnds(const math::Vector3 &from, const math::Vector3 &to);
  void setPhase(float phase) { m_phase = phase; }
  void setDuration(uint32_t state, float seconds) { m_durations[state] = seconds; }

  void writeLevelRecord(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short or a duration is
  // not a number of seconds at least 0; else the gate starts at its phase.
  bool readLevelRecord(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // The same checks; the state and its time are taken without a state
  // change.
  bool read(file::ByteProducer &in);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const math::Vector3 &from() const { return m_from; }
  const math::Vector3 &to() const { return m_to; }
  float phase() const { return m_phase; }
  float duration(uint32_t state) const { return m_durations[state]; }
  bool hitBall() const { return m_hitBall; }
  bool meshDirty() const { return m_meshDirty; }

private:
  // Ends, phase and durations, or false for durations the cycle cannot run.
  bool readShared(file::ByteProducer &in);
  void rebuildMesh();

  uint32_t m_state = NONE;
  float m_stateTime = 0.0f;
  math::Vector3 m_from;
  math::Vector3 m_to;
  float m_phase = 0.0f;
  float m_durations[stateCount] = {2.0f, 1.0f, 1.0f, 0.1f};
  bool m_hitBall = false;
  mesh::MeshDefinition *m_meshDefinition;
  mesh::Mesh *m_mesh;
  bool m_meshDirty = true;
};
