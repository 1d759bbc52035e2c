#pragma once
// A pipe laid along a Catmull-Rom path. A ball that rolls into its mouth is
// taken over: it slides straight to the start of the path, travels along
// it at a fixed speed, slides out past the far end and is released along
// the exit. Outside of that the pipe's band is a wall.
//
// P1 is the mouth and Pn-2 the exit; P0 and Pn-1 only shape the ends. A
// tube of fewer than four points has no path: its mouth and band are off
// and it takes no ball.

#include "engine/GameObject.h"
#include "engine/TubePath.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "physics/Box.h"
#include "physics/Listener.h"
#include "video/RibbonRenderPass.h"

#include <cstdint>

class Spline2DGeometry;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Tube : public GameObject, public physics::ContactListener {
public:
  enum State : uint32_t { ENTERING = 0, TRAVELLING = 1, LEAVING = 2, IDLE = 3, UNSET = 4 };
  // Fifteen cells a second.
  static constexpr float speed = 45.0f;
  // Half the band's width: the ball keeps this (and its radius) off the path.
  static constexpr float halfWidth = 2.4f;
  // The mouth and exit boxes reach this far to each side and this deep.
  static constexpr float boxHalfWidth = 3.0f;
  static constexpr float boxHalfDepth = 1.5f;
  // The billboards' scale.
  static constexpr float boardScale = 2.0f / 17.0f;
  // The smallest snapshot record: state, state time, no points, bounds.
  static constexpr uint32_t recordBytes = 1 + 4 + 4 + 4 * 4;

  // Idle, without a path; its band and boxes join the level's simulation.
  explicit Tube(Level &level);
  ~Tube() override;

  // Moves the ball it has taken over; nothing while idle.
  void update(float dt) override;
  // The centre of the bounds.
  math::Vector3 getPosition() const override;
  // The mouth takes a playing ball that touches it from in front.
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  // Only a different state counts. Entering: the ball begins its teleport
  // and the leg runs from it to the mouth; leaving: from it to just past
  // the exit.
  void setState(uint32_t state);

  // The level file's record: the path's points, then the bounds. False,
  // leaving the tube without a path, when it is cut short.
  bool readLevelRecord(file::ByteProducer &in);
  void writeLevelRecord(file::ByteReceiver &out) const;
  // The snapshot's record: the state and its time before the same fields.
  // The leg is not kept: a tube read while entering or leaving starts its
  // leg afresh from the ball at its next update. False, leaving the tube
  // without a path, when the record is cut short.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // Lays the tube along the points: the boxes, the bounds and the band.
  void setPoints(const container::Vector<math::Vector2> &points);

  // Whether the tube has a path: more than three points.
  bool hasPath() const { return m_path.controlPointCount() > 3; }
  // The box the level tests against the view.
  math::Box3D viewBox() const;
  // The looks, one layer at a time: the ribbon along the path (the caller
  // scrolls the texture matrix), the mouth's board, the exit's board, and
  // the mouth's upper board, drawn over the ball. Nothing without a path.
  enum Layer : uint32_t { RIBBON = 0, ENTRANCE = 1, EXIT = 2, ABOVE = 3 };
  void renderLayer(video::Canvas &canvas, uint32_t layer);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const TubePath &path() const { return m_path; }
  const math::Rectangle &bounds() const { return m_bounds; }
  const physics::Box &mouth() const { return m_mouth; }
  const physics::Box &exit() const { return m_exit; }
  const Spline2DGeometry &wall() const { return *m_wall; }
  float mouthAngle() const { return m_mouthAngle; }
  float exitAngle() const { return m_exitAngle; }
  const math::Vector2 &travelStart() const { return m_travelStart; }
  const math::Vector2 &travelEnd() const { return m_travelEnd; }
  float travelLength() const { return m_travelLength; }
  // Where the ball is let go: just past the exit box.
  math::Vector2 releasePoint() const;

private:
  bool readPath(file::ByteProducer &in);
  void writePath(file::ByteReceiver &out) const;
  // Boxes, bounds and band from the path.
  void setUp();
  void startLeg(const math::Vector2 &to);
  // A leg read from a snapshot: from the ball to the point, as if the
  // state's time had already been gone along it.
  void resumeLeg(const math::Vector2 &to);
  // The leg's unit direction; zero for a leg of no length.
  math::Vector2 legDirection() const;
  void placeBall(const math::Vector2 &at);

  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  TubePath m_path;
  math::Rectangle m_bounds;
  Spline2DGeometry *m_wall;
  physics::Box m_mouth;
  physics::Box m_exit;
  math::Vector2 m_travelStart;
  math::Vector2 m_travelEnd;
  float m_travelLength = 0.0f;
  float m_mouthAngle = 0.0f;
  float m_exitAngle = 0.0f;
  // A leg read from a snapshot is unknown until the next update.
  bool m_legPending = false;
  video::RibbonRenderPass m_ribbonPass;
};
