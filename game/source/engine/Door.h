#pragma once
// A laser wall between two points: a beam that blocks the ball while it is
// lit, and a cover at each end. The level's switches toggle every door; a
// door opens or closes over 0.4 s and ignores toggles meanwhile. A closing
// door blocks its whole span at once while its beam is still drawn growing.

#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Vector3.h"
#include "physics/Box.h"
#include "physics/Listener.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Door : public GameObject, public physics::GeometryOwner {
public:
  enum State : uint32_t { OPENING = 0, OPEN = 1, CLOSING = 2, CLOSED = 3, NONE = 4 };
  // Seconds an opening or a closing takes.
  static constexpr float changeTime = 0.4f;
  // A beam shorter than this blocks nothing.
  static constexpr float minBeam = 0.03f;
  // Ends, then whether it starts closed.
  static constexpr uint32_t levelRecordBytes = 4 * 4 + 1;
  // State, state time, ends, starts closed.
  static constexpr uint32_t recordBytes = 1 + 4 + 4 * 4 + 1;

  // Closed, both ends at the origin; its three boxes are in the level's
  // simulation.
  explicit Door(Level &level);
  ~Door() override;

  // Nothing once dead; an opening or closing ends after 0.4 s; then the
  // boxes follow.
  void update(float dt) override;
  // Where the beam's box is: the middle of the lit part.
  math::Vector3 getPosition() const override { return m_beam.transform.translation; }
  // Closed or open as it starts; the boxes follow at the next update.
  void reset() override;

  // Only a different state counts: the state time restarts.
  void setState(uint32_t state);
  // Open starts closing, closed starts opening; a door in the middle of a
  // change ignores it.
  void toggle();
  // Each recomputes the length and angle and places the boxes.
  void setEndA(const math::Vector3 &end);
  void setEndB(const math::Vector3 &end);
  void setStartsClosed(bool closed) { m_startsClosed = closed; }

  // The lit part of the beam, 0 to 1, as drawn.
  float litFraction() const;
  // The beam's box over the lit part (all of it while closing); the covers
  // everywhere but closed.
  void placeGeometry();
  // The ends' box widened by 6 on every side, for the visibility test.
  math::Box3D bounds() const;
  // The beam in its two textures; the two covers.
  void renderBeam(video::Canvas &canvas);
  void renderCovers(video::Canvas &canvas);

  void writeLevelRecord(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short. The door is
  // reset and its boxes placed at once.
  bool readLevelRecord(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short. The state is
  // taken as read; the boxes are placed.
  bool read(file::ByteProducer &in);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const math::Vector3 &endA() const { return m_endA; }
  const math::Vector3 &endB() const { return m_endB; }
  float length() const { return m_length; }
  // Degrees turning (0, 1) clockwise onto the direction from A to B.
  float angle() const { return m_angle; }
  bool startsClosed() const { return m_startsClosed; }
  const physics::Box &beam() const { return m_beam; }
  const physics::Box &coverA() const { return m_coverA; }
  const physics::Box &coverB() const { return m_coverB; }

private:
  void recompute();

  uint32_t m_state = NONE;
  float m_stateTime = 0.0f;
  physics::Box m_beam;
  physics::Box m_coverA;
  physics::Box m_coverB;
  math::Vector3 m_endA;
  math::Vector3 m_endB;
  float m_length = 0.0f;
  float m_angle = 0.0f;
  bool m_startsClosed = true;
};
