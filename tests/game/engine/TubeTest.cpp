// Tubes: the mouth and exit boxes turned along the path, the take-over of a
// playing ball from in front of the mouth only, the slide in, the ride and
// the release along the exit at the travel speed, a snapshot taken on the
// way, and tubes too short to have a path.

#include "BlockWorld.h"

#include "engine/Spline2DGeometry.h"
#include "engine/Tube.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 60.0f;

container::Vector<math::Vector2> pointsOf(const std::vector<math::Vector2> &list) {
  container::Vector<math::Vector2> points;
  for (const math::Vector2 &p : list)
    points.push(p);
  return points;
}

// A straight tube along +x: the mouth at the origin facing -x (its first
// point lies just inside), the exit at (30, 0).
const std::vector<math::Vector2> straight = {
    {3.0f, 0.0f}, {0.0f, 0.0f}, {30.0f, 0.0f}, {33.0f, 0.0f}};

class TubeTest : public BlockWorld {
protected:
  Tube *tubeAlong(const std::vector<math::Vector2> &points) {
    auto *tube = new Tube(*level);
    tube->setPoints(pointsOf(points));
    level->addTube(tube);
    return tube;
  }
  void ballAt(float x, float y) { ball().setPosition(math::Vector3(x, y, 0.0f)); }
  // The ball touching the tube's mouth, as the physics reports it.
  void touchMouth(Tube &tube) {
    tube.onContact(const_cast<physics::Box *>(&tube.mouth()), &ball().structure(), 0);
  }
  // Updates until the tube is idle again; the frames it took.
  int rideOut(Tube &tube) {
    int frames = 0;
    while (tube.state() != Tube::IDLE && frames < 1000) {
      tube.update(frame);
      ++frames;
    }
    return frames;
  }
  math::Vector3 ballVelocity() { return ball().atom().position - ball().atom().previousPosition; }
};

} // namespace

TEST_F(TubeTest, TheMouthBoxFacesAlongTheFirstLegAndTheExitBoxAlongTheLast) {
  const math::Vector2 mouth(6.0f, -3.0f);
  struct Case {
    const char *what;
    math::Vector2 inside;
    float degrees;
  };
  // The first point lies inside the mouth: the box faces away from it.
  const Case cases[] = {{"facing -x", {9.0f, -3.0f}, 90.0f},
                        {"facing +x", {3.0f, -3.0f}, 270.0f},
                        {"facing +y", {6.0f, -6.0f}, 0.0f},
                        {"facing -y", {6.0f, 0.0f}, 180.0f},
                        {"facing up and left", {8.0f, -5.0f}, 45.0f}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const math::Vector2 exit(30.0f, 12.0f), beyond(30.0f, 15.0f);
    Tube *tube = tubeAlong({c.inside, mouth, {18.0f, 6.0f}, exit, beyond});
    EXPECT_NEAR(tube->mouthAngle(), c.degrees, 1e-3f);
    math::Vector2 facing = mouth - c.inside;
    facing.normalize();
    // The box's centre stands 1.5 out from the mouth along its facing.
    const math::Vector3 centre = tube->mouth().transform.apply(tube->mouth().center);
    EXPECT_NEAR(centre.x, mouth.x + 1.5f * facing.x, 1e-4f);
    EXPECT_NEAR(centre.y, mouth.y + 1.5f * facing.y, 1e-4f);
    const math::Vector3 exitCentre = tube->exit().transform.apply(tube->exit().center);
    EXPECT_NEAR(exitCentre.x, 30.0f, 1e-4f);
    EXPECT_NEAR(exitCentre.y, 13.5f, 1e-4f);
    EXPECT_NEAR(tube->exitAngle(), 0.0f, 1e-3f);
    EXPECT_TRUE(tube->mouth().enabled && tube->exit().enabled && tube->wall().enabled);
    // The band's bounds hold the curve from the mouth to the exit.
    EXPECT_LE(tube->bounds().x, 6.0f);
    EXPECT_GE(tube->bounds().x + tube->bounds().width, 30.0f);
    EXPECT_EQ(tube->wall().halfWidth, Tube::halfWidth);
  }
}

TEST_F(TubeTest, OnlyAPlayingBallTouchingTheMouthFromInFrontIsTaken) {
  ASSERT_TRUE(soundOpen);
  struct Case {
    const char *what;
    float x, y;
    uint32_t engineState;
    unsigned ballState;
    bool exitBox;
    bool taken;
  };
  // The mouth at the origin faces -x: its local +y is world -x.
  const Case cases[] = {
      {"in front", -3.0f, 0.0f, Engine::PLAYING, Ball::PLAYING, false, true},
      {"at the front's edge", -2.0f, 2.9f, Engine::PLAYING, Ball::PLAYING, false, true},
      {"1.5 behind", 1.5f, 0.0f, Engine::PLAYING, Ball::PLAYING, false, true},
      {"from behind", 1.6f, 0.0f, Engine::PLAYING, Ball::PLAYING, false, false},
      {"beside", -2.0f, 3.1f, Engine::PLAYING, Ball::PLAYING, false, false},
      {"the engine not playing", -3.0f, 0.0f, Engine::COMPLETE, Ball::PLAYING, false, false},
      {"a dying ball", -3.0f, 0.0f, Engine::PLAYING, Ball::DYING, false, false},
      {"the exit box", -3.0f, 0.0f, Engine::PLAYING, Ball::PLAYING, true, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    quiet();
    Tube *tube = tubeAlong(straight);
    engine->setState(c.engineState);
    ball().setState(Ball::WAITING);
    ball().setState(c.ballState);
    ballAt(c.x, c.y);
    physics::Box *box = const_cast<physics::Box *>(c.exitBox ? &tube->exit() : &tube->mouth());
    tube->onContact(box, &ball().structure(), 0);
    EXPECT_EQ(tube->state(), c.taken ? uint32_t(Tube::ENTERING) : uint32_t(Tube::IDLE));
    EXPECT_EQ(ball().state() == Ball::TELEPORTING, c.taken);
    EXPECT_EQ(played(L"teleportBegin"), c.taken);
    engine->setState(Engine::PLAYING);
    level->tubes().deleteAll();
  }
}

TEST_F(TubeTest, TheBallSlidesInRidesThePathAndLeavesTheExitAtTheTravelSpeed) {
  ASSERT_TRUE(soundOpen);
  Tube *tube = tubeAlong(straight);
  ball().setState(Ball::PLAYING);
  ballAt(-3.0f, 1.0f);
  touchMouth(*tube);
  ASSERT_EQ(tube->state(), uint32_t(Tube::ENTERING));
  EXPECT_NEAR(tube->travelLength(), std::sqrt(10.0f), 1e-5f);

  // Each frame the ball moves 45 / 60 along the leg to the mouth.
  tube->update(frame);
  math::Vector2 leg(3.0f, -1.0f);
  leg.normalize();
  EXPECT_NEAR(ball().atomPosition().x, -3.0f + 0.75f * leg.x, 1e-4f);
  EXPECT_NEAR(ball().atomPosition().y, 1.0f + 0.75f * leg.y, 1e-4f);
  bool rode = false;
  int frames = 1;
  while (tube->state() != Tube::IDLE && frames < 1000) {
    tube->update(frame);
    ++frames;
    EXPECT_EQ(ball().atomPosition().z, 0.0f);
    if (tube->state() == Tube::TRAVELLING) {
      rode = true;
      EXPECT_NEAR(ball().atomPosition().y, 0.0f, 1e-3f);
    }
    if (tube->state() != Tube::IDLE) {
      EXPECT_EQ(ball().state(), unsigned(Ball::TELEPORTING));
    }
  }
  EXPECT_TRUE(rode);
  // In, along 30 units of path, and out 3 + the ball's radius past the exit.
  const float distance = std::sqrt(10.0f) + 30.0f + 3.0f + 1.45f;
  EXPECT_NEAR(float(frames), distance / 0.75f, 4.0f);

  EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
  EXPECT_TRUE(played(L"teleportEnd"));
  EXPECT_NEAR(tube->releasePoint().x, 34.45f, 1e-4f);
  EXPECT_NEAR(ball().atomPosition().x, 34.45f, 1e-4f);
  EXPECT_NEAR(ball().atomPosition().y, 0.0f, 1e-4f);
  // Along the exit at 45 units a second.
  const math::Vector3 v = ballVelocity();
  EXPECT_NEAR(v.x / frame, Tube::speed, 1e-2f);
  EXPECT_NEAR(v.y, 0.0f, 1e-5f);
  EXPECT_EQ(ball().controlTime(), 0.0f);
}

TEST_F(TubeTest, ASnapshotTakenInTheTubeRestoresStateAndTimeAndPlaysOn) {
  struct Case {
    const char *what;
    uint32_t state;
  };
  const Case cases[] = {
      {"sliding in", Tube::ENTERING}, {"riding", Tube::TRAVELLING}, {"sliding out", Tube::LEAVING}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Tube *tube = tubeAlong(straight);
    ball().setState(Ball::WAITING);
    ball().setState(Ball::PLAYING);
    ballAt(-4.0f, 0.0f);
    touchMouth(*tube);
    while (tube->state() != c.state)
      tube->update(frame);
    tube->update(frame);
    ASSERT_EQ(tube->state(), c.state);
    file::BufferBinary bytes;
    tube->write(bytes);
    // Where the ball would be a frame later without the snapshot.
    const math::Vector3 at = ball().atomPosition();
    tube->update(frame);
    const math::Vector3 expected = ball().atomPosition();
    level->tubes().deleteAll();
    ball().setPosition(at);

    bytes.seek(0);
    auto *restored = new Tube(*level);
    level->addTube(restored);
    ASSERT_TRUE(restored->read(bytes));
    EXPECT_EQ(restored->state(), c.state);
    EXPECT_EQ(restored->stateTime(), frame);
    EXPECT_EQ(restored->path().controlPointCount(), 4u);
    // The leg is not kept.
    EXPECT_EQ(restored->travelLength(), 0.0f);
    file::BufferBinary again;
    restored->write(again);
    ASSERT_EQ(again.size(), bytes.size());
    EXPECT_EQ(memcmp(again.data(), bytes.data(), bytes.size()), 0);

    // It plays on from where the ball is, as the tube would have.
    restored->update(frame);
    const math::Vector3 next = ball().atomPosition();
    EXPECT_NEAR(next.x, expected.x, 1e-4f);
    EXPECT_NEAR(next.y, expected.y, 1e-4f);
    rideOut(*restored);
    EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
    EXPECT_NEAR(ball().atomPosition().x, 34.45f, 1e-4f);
    EXPECT_NEAR(ballVelocity().x / frame, Tube::speed, 1e-2f);
    level->tubes().deleteAll();
  }
}

TEST_F(TubeTest, ATubeOfThreePointsOrFewerTakesNoBallAndDrawsNothing) {
  for (uint32_t count = 0; count <= 3; ++count) {
    SCOPED_TRACE(count);
    std::vector<math::Vector2> points;
    for (uint32_t i = 0; i < count; ++i)
      points.push_back(math::Vector2(3.0f * float(i), 0.0f));
    Tube *tube = tubeAlong(points);
    EXPECT_FALSE(tube->hasPath());
    EXPECT_FALSE(tube->mouth().enabled || tube->exit().enabled || tube->wall().enabled);
    ball().setState(Ball::WAITING);
    ball().setState(Ball::PLAYING);
    ballAt(0.0f, 0.0f);
    touchMouth(*tube);
    EXPECT_EQ(tube->state(), uint32_t(Tube::IDLE));
    EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
    // Nothing pushes a ball at the origin.
    EXPECT_FALSE(tube->mouth().overlaps(math::Sphere(math::Vector3(), 1.45f)) &&
                 tube->mouth().enabled);
    testing_support::RecordingCanvas canvas;
    for (uint32_t layer = Tube::RIBBON; layer <= Tube::ABOVE; ++layer)
      tube->renderLayer(canvas, layer);
    EXPECT_TRUE(canvas.drawn.empty());

    // Read from a saved game mid-ride, it lets the ball go where it is.
    file::BufferBinary bytes;
    file::write(uint8_t(Tube::TRAVELLING), bytes);
    file::write(0.5f, bytes);
    file::write(count, bytes);
    for (const math::Vector2 &p : points)
      file::write(p, bytes);
    for (float v : {0.0f, 0.0f, 0.0f, 0.0f})
      file::write(v, bytes);
    bytes.seek(0);
    ASSERT_TRUE(tube->read(bytes));
    ball().setState(Ball::TELEPORTING);
    ballAt(5.0f, 5.0f);
    tube->update(frame);
    EXPECT_EQ(tube->state(), uint32_t(Tube::IDLE));
    EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
    EXPECT_NEAR(ball().atomPosition().x, 5.0f, 1e-5f);
    level->tubes().deleteAll();
  }
}

TEST_F(TubeTest, TheRecordsReadBackAndRefuseShortBytesAndCountsPastThem) {
  Tube *tube = tubeAlong(straight);
  file::BufferBinary bytes;
  tube->writeLevelRecord(bytes);
  ASSERT_EQ(bytes.size(), 4u + 4u * 8u + 16u);
  bytes.seek(0);
  Tube copy(*level);
  ASSERT_TRUE(copy.readLevelRecord(bytes));
  EXPECT_EQ(copy.state(), uint32_t(Tube::IDLE));
  EXPECT_TRUE(copy.hasPath());
  EXPECT_EQ(copy.bounds().width, tube->bounds().width);
  file::BufferBinary again;
  copy.writeLevelRecord(again);
  ASSERT_EQ(again.size(), bytes.size());
  EXPECT_EQ(memcmp(again.data(), bytes.data(), bytes.size()), 0);

  struct Case {
    const char *what;
    uint32_t count;
    uint32_t keep;
  };
  const Case cases[] = {{"cut in the points", 4, 4 + 20},
                        {"cut in the bounds", 4, 4 + 32 + 8},
                        {"a count past the bytes", 1000000, 4 + 32 + 16}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    file::BufferBinary whole;
    file::write(c.count, whole);
    for (const math::Vector2 &p : straight)
      file::write(p, whole);
    for (float v : {0.0f, 0.0f, 30.0f, 0.0f})
      file::write(v, whole);
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), c.keep);
    cut.seek(0);
    Tube refused(*level);
    EXPECT_FALSE(refused.readLevelRecord(cut));
    EXPECT_FALSE(refused.hasPath());
    EXPECT_FALSE(refused.mouth().enabled);
    // The snapshot's record refuses the same.
    file::BufferBinary state;
    file::write(uint8_t(Tube::TRAVELLING), state);
    file::write(0.5f, state);
    state.receiveBytes(whole.data(), c.keep);
    state.seek(0);
    EXPECT_FALSE(refused.read(state));
    EXPECT_EQ(refused.state(), uint32_t(Tube::IDLE));
  }

  // A ride's time that no ride can have starts the leg afresh.
  for (float hostile : {-1.0f, std::nanf(""), INFINITY}) {
    SCOPED_TRACE(hostile);
    file::BufferBinary state;
    file::write(uint8_t(Tube::ENTERING), state);
    file::write(hostile, state);
    tube->writeLevelRecord(state);
    state.seek(0);
    Tube restored(*level);
    ASSERT_TRUE(restored.read(state));
    EXPECT_EQ(restored.stateTime(), 0.0f);
  }
}

TEST_F(TubeTest, TheRibbonIsAStripSixWideAlongThePath) {
  Tube *tube = tubeAlong(straight);
  testing_support::RecordingCanvas canvas;
  tube->renderLayer(canvas, Tube::RIBBON);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  const testing_support::DrawnPrimitive &strip = canvas.drawn[0];
  // Four steps on the one segment, a pair of vertices at each and the start.
  ASSERT_EQ(strip.vertexCount(), 10);
  for (int i = 0; i < 10; i += 2) {
    EXPECT_NEAR((strip.position(i) - strip.position(i + 1)).length(), 6.0f, 1e-3f);
    EXPECT_NEAR(0.5f * (strip.position(i).y + strip.position(i + 1).y), 0.0f, 1e-3f);
  }
  EXPECT_NEAR(strip.position(0).x, 0.0f, 1e-3f);
  EXPECT_NEAR(strip.position(9).x, 30.0f, 1e-3f);
}
