#pragma once
// A bug that crawls along a fixed path, round a loop or to and fro, in a
// 9.5 s cycle: idle, resting, winding up, then spinning its blades for 3 s.
// Spinning it harms the ball by the hazards' rule; touched at any other time
// it dies with a "kaching" into five coins on the free cells around it.

#include "container/Vector.h"
#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Vector2.h"
#include "physics/Listener.h"

#include <cstdint>

class CylinderGeometry;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class MoneyBug : public GameObject, public physics::ContactListener {
public:
  enum State : uint32_t { IDLE = 0, RESTING = 1, WINDING = 2, SPINNING = 3, UNSET = 4 };
  // Units a second along the path.
  static constexpr float speed = 3.0f * 3.0f;
  static constexpr float bodyRadius = 0.5f * 3.0f;
  static constexpr float bladeRadius = 1.2f * 3.0f;
  static constexpr uint32_t coinCount = 5;
  // Coins land this many cells round the bug at most.
  static constexpr int32_t scatterReach = 2;
  // The snapshot record of a bug without a path.
  static constexpr uint32_t minimumRecordBytes = 1 + 4 + 2 * 4 + 2 + 2 + 4 + 1 + 2 + 4 + 1 + 4;
  // Drawing layers: the blades, then the body.
  static constexpr uint32_t layerCount = 2;

  // Resting at the origin without a path.
  explicit MoneyBug(Level &level);
  ~MoneyBug() override;

  // Walks, turns to its way and runs its cycle.
  void update(float dt) override;
  math::Vector3 getPosition() const override;
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  // Nothing when it is the state already; spinning widens the post and,
  // in view, whirrs.
  void setState(uint32_t state);
  void renderLayer(video::Canvas &canvas, uint32_t layer);

  // The path's points; lengths and path length follow from them. The bug
  // starts at the path's start, going forward.
  void setPath(const container::Vector<math::Vector2> &points, bool closed);
  // Moves by the distance along the path: a loop wraps, an open path turns
  // back at its ends. Nothing moves on a path of length 0.
  void walk(float distance);
  // Where segment and distance along it put the bug.
  math::Vector2 pathPoint() const;
  // Along the current segment, turned round when going back.
  void recomputeHeading();
  // Dies where it is: its effect, "kaching", and five coins sent to the
  // free cells round it (the rest to its own cell).
  void die();

  // Start, points, their lengths, the path length, closed and heading.
  // Lengths are worked out from the points, whatever the record says.
  // False when the record is cut short.
  bool readLevelRecord(file::ByteProducer &in);
  void writeLevelRecord(file::ByteReceiver &out) const;
  // The snapshot's record: state, state time, position, the path as in the
  // level file, segment, distance along, direction and heading. The segment
  // is held to the path and the distance to its segment.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const container::Vector<math::Vector2> &path() const { return m_path; }
  const container::Vector<float> &segmentLengths() const { return m_segmentLengths; }
  float pathLength() const { return m_pathLength; }
  bool closed() const { return m_closed; }
  uint32_t segment() const { return m_segment; }
  float along() const { return m_along; }
  bool forward() const { return m_forward; }
  float heading() const { return m_heading; }
  const CylinderGeometry &geometry() const { return *m_geometry; }
  CylinderGeometry &geometry() { return *m_geometry; }
  // The box the level's view test takes.
  math::Box3D bounds() const;

private:
  // n segments on a loop, n - 1 on an open path.
  uint32_t usableSegments() const;
  void recomputeLengths();
  // The path of a record: points, lengths (read and dropped), path length
  // (dropped), closed.
  bool readPath(file::ByteProducer &in);
  void writePath(file::ByteReceiver &out) const;
  void setPosition(const math::Vector2 &at);
  void scatterCoins();

  CylinderGeometry *m_geometry;
  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  container::Vector<math::Vector2> m_path;
  container::Vector<float> m_segmentLengths;
  float m_pathLength = 0.0f;
  bool m_closed = false;
  uint32_t m_segment = 0;
  float m_along = 0.0f;
  bool m_forward = true;
  float m_heading = 0.0f;
};
