// Doors and the switches that toggle them: their records, the toggle and
// its changes, where the boxes stand and when they block, the switch's
// arming, and the ball's clink off a door.

#include "BlockWorld.h"

#include "engine/Door.h"
#include "engine/LevelFile.h"
#include "engine/Switch.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/Sphere.h"
#include "physics/BounceEvent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

// A small sphere at the point touches the box.
bool blocksAt(const physics::Box &box, float x, float y) {
  return box.enabled && box.overlaps(math::Sphere(math::Vector3(x, y, 0.0f), 0.1f));
}

class DoorTest : public BlockWorld {
protected:
  Door *addDoor(math::Vector3 a, math::Vector3 b, bool closed) {
    auto *door = new Door(*level);
    door->setStartsClosed(closed);
    door->setEndA(a);
    door->setEndB(b);
    door->reset();
    door->update(0.0f);
    level->addDoor(door);
    return door;
  }
  Switch *addSwitch(int column, int row) {
    auto *pad = new Switch(*level);
    pad->setCell(math::Vector2i(column, row));
    level->addSwitch(pad);
    return pad;
  }
  void hit(Switch &pad) { pad.onContact(&pad.geometry(), &ball().structure(), 0); }
};

} // namespace

TEST_F(DoorTest, TogglingOpensAClosedDoorClosesAnOpenOneAndLeavesAChangingOneAlone) {
  struct Case {
    uint32_t before, after;
  } cases[] = {{Door::OPEN, Door::CLOSING},
               {Door::CLOSED, Door::OPENING},
               {Door::OPENING, Door::OPENING},
               {Door::CLOSING, Door::CLOSING}};
  Door *door = addDoor(math::Vector3(), math::Vector3(0.0f, 9.0f, 0.0f), true);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.before);
    door->setState(c.before);
    door->update(0.1f);
    door->toggle();
    EXPECT_EQ(door->state(), c.after);
    // A toggle that is ignored keeps the change's time running.
    EXPECT_FLOAT_EQ(door->stateTime(), c.before == c.after ? 0.1f : 0.0f);
  }
}

TEST_F(DoorTest, AChangeTakesFourTenthsOfASecondAndTheBeamFollowsTheLitFraction) {
  Door *door = addDoor(math::Vector3(), math::Vector3(0.0f, 12.0f, 0.0f), false);
  EXPECT_EQ(door->state(), uint32_t(Door::OPEN));
  EXPECT_FALSE(door->beam().enabled);
  EXPECT_TRUE(door->coverA().enabled);
  door->toggle();
  door->update(0.2f);
  EXPECT_EQ(door->state(), uint32_t(Door::CLOSING));
  EXPECT_NEAR(door->litFraction(), std::sin(0.5f * 1.5707963f), 1e-5f);
  door->update(0.2f);
  EXPECT_EQ(door->state(), uint32_t(Door::CLOSING));
  door->update(0.01f);
  EXPECT_EQ(door->state(), uint32_t(Door::CLOSED));
  EXPECT_FLOAT_EQ(door->litFraction(), 1.0f);
  EXPECT_FALSE(door->coverA().enabled);
  EXPECT_FALSE(door->coverB().enabled);

  door->toggle();
  door->update(0.1f);
  EXPECT_NEAR(door->litFraction(), std::cos(0.25f * 1.5707963f), 1e-5f);
  // The opening beam blocks only its lit part, from end A.
  EXPECT_NEAR(door->beam().extents.y, 0.5f * 12.0f * door->litFraction(), 1e-4f);
  EXPECT_TRUE(blocksAt(door->beam(), 0.0f, 2.0f));
  EXPECT_FALSE(blocksAt(door->beam(), 0.0f, 11.5f));
  door->update(0.35f);
  EXPECT_EQ(door->state(), uint32_t(Door::OPEN));
  EXPECT_FALSE(door->beam().enabled);
}

TEST_F(DoorTest, AClosingDoorBlocksItsWholeSpanAtOnceWhileItsBeamIsDrawnGrowing) {
  Door *door = addDoor(math::Vector3(), math::Vector3(0.0f, 12.0f, 0.0f), false);
  door->toggle();
  door->update(frame);
  EXPECT_LT(door->litFraction(), 0.2f);
  EXPECT_TRUE(blocksAt(door->beam(), 0.0f, 11.5f));
  EXPECT_FLOAT_EQ(door->beam().extents.y, 6.0f);

  level->setVisible(math::Vector3(-50.0f, -50.0f, 0.0f), math::Vector3(50.0f, 50.0f, 0.0f));
  // The door runs up from the origin: its own frame is the world's.
  testing_support::QuadRecordingCanvas canvas;
  door->renderBeam(canvas);
  ASSERT_EQ(canvas.drawn().size(), 2u);
  for (const testing_support::RecordedQuad &quad : canvas.drawn()) {
    EXPECT_NEAR(quad.top, 12.0f * door->litFraction(), 1e-3f);
    EXPECT_FLOAT_EQ(quad.bottom, 0.0f);
  }
}

TEST_F(DoorTest, TheBoxesTurnOntoTheDoorsDirection) {
  // A diagonal door: its beam lies along it, not across it.
  Door *door = addDoor(math::Vector3(), math::Vector3(9.0f, 9.0f, 0.0f), true);
  EXPECT_FLOAT_EQ(door->length(), std::sqrt(162.0f));
  EXPECT_TRUE(blocksAt(door->beam(), 4.5f, 4.5f));
  EXPECT_TRUE(blocksAt(door->beam(), 8.0f, 8.0f));
  EXPECT_FALSE(blocksAt(door->beam(), 7.5f, 1.5f));
  EXPECT_FALSE(blocksAt(door->beam(), 1.5f, 7.5f));

  // The covers reach a cell's half from each end into the door.
  door->toggle();
  door->update(0.5f);
  ASSERT_EQ(door->state(), uint32_t(Door::OPEN));
  const float step = 1.5f / std::sqrt(2.0f);
  EXPECT_TRUE(blocksAt(door->coverA(), step, step));
  EXPECT_FALSE(blocksAt(door->coverA(), -2.0f * step, -2.0f * step));
  EXPECT_TRUE(blocksAt(door->coverB(), 9.0f - step, 9.0f - step));
  EXPECT_FALSE(blocksAt(door->coverB(), 9.0f + 2.0f * step, 9.0f + 2.0f * step));
}

TEST_F(DoorTest, ADoorWhoseEndsCoincideHasNoAngleAndNeverABeam) {
  Door *door = addDoor(math::Vector3(3.0f, 3.0f, 0.0f), math::Vector3(3.0f, 3.0f, 0.0f), true);
  EXPECT_FLOAT_EQ(door->angle(), 0.0f);
  EXPECT_FALSE(door->beam().enabled);
  door->toggle();
  door->update(0.2f);
  EXPECT_FALSE(door->beam().enabled);
}

TEST_F(DoorTest, TheDoorsRecordsRoundTripAndACutRecordChangesNothing) {
  Door *door = addDoor(math::Vector3(-3.0f, 6.0f, 0.0f), math::Vector3(12.0f, 6.0f, 0.0f), false);
  door->toggle();
  door->update(0.15f);

  file::BufferBinary file, state;
  door->writeLevelRecord(file);
  door->write(state);
  EXPECT_EQ(file.size(), Door::levelRecordBytes);
  EXPECT_EQ(state.size(), Door::recordBytes);
  EXPECT_EQ(Door::levelRecordBytes, 17u);
  EXPECT_EQ(Door::recordBytes, 22u);

  Door fromFile(*level);
  file.seek(0);
  ASSERT_TRUE(fromFile.readLevelRecord(file));
  EXPECT_EQ(fromFile.state(), uint32_t(Door::OPEN));
  EXPECT_FALSE(fromFile.startsClosed());
  EXPECT_FLOAT_EQ(fromFile.endB().x, 12.0f);
  EXPECT_FLOAT_EQ(fromFile.length(), 15.0f);
  EXPECT_FLOAT_EQ(fromFile.angle(), door->angle());

  Door restored(*level);
  state.seek(0);
  ASSERT_TRUE(restored.read(state));
  EXPECT_EQ(restored.state(), uint32_t(Door::CLOSING));
  EXPECT_FLOAT_EQ(restored.stateTime(), 0.15f);
  EXPECT_FLOAT_EQ(restored.endA().y, 6.0f);
  // The restored closing door blocks as the saved one did.
  EXPECT_TRUE(blocksAt(restored.beam(), 10.0f, 6.0f));

  for (file::BufferBinary *bytes : {&file, &state}) {
    file::BufferBinary cut;
    cut.receiveBytes(bytes->data(), bytes->size() - 1);
    cut.seek(0);
    Door untouched(*level);
    EXPECT_FALSE(bytes == &file ? untouched.readLevelRecord(cut) : untouched.read(cut));
    EXPECT_EQ(untouched.state(), uint32_t(Door::CLOSED));
    EXPECT_FLOAT_EQ(untouched.length(), 0.0f);
  }
}

TEST_F(DoorTest, AClosedDoorReadFromALevelFileBlocksFromTheFirstFrameWithItsCoversOff) {
  file::BufferBinary bytes;
  for (float v : {0.0f, 0.0f, 0.0f, 15.0f})
    file::write(v, bytes);
  file::write(uint8_t(1), bytes);
  bytes.seek(0);
  Door door(*level);
  ASSERT_TRUE(door.readLevelRecord(bytes));
  EXPECT_EQ(door.state(), uint32_t(Door::CLOSED));
  EXPECT_TRUE(blocksAt(door.beam(), 0.0f, 14.0f));
  EXPECT_FALSE(door.coverA().enabled);
  EXPECT_FALSE(door.coverB().enabled);
}

TEST_F(DoorTest, TwoSwitchesHitInOneFrameToggleTheDoorsOnce) {
  ASSERT_TRUE(soundOpen);
  Door *open = addDoor(math::Vector3(), math::Vector3(0.0f, 9.0f, 0.0f), false);
  Door *closed = addDoor(math::Vector3(6.0f, 0.0f, 0.0f), math::Vector3(6.0f, 9.0f, 0.0f), true);
  Switch *first = addSwitch(-3, 0);
  Switch *second = addSwitch(-5, 0);
  hit(*first);
  hit(*second);
  EXPECT_EQ(open->state(), uint32_t(Door::CLOSING));
  EXPECT_EQ(closed->state(), uint32_t(Door::OPENING));
  EXPECT_EQ(first->state(), uint32_t(Switch::HIT));
  EXPECT_EQ(second->state(), uint32_t(Switch::HIT));
  EXPECT_FALSE(first->armed());
  EXPECT_TRUE(played(L"door"));
  EXPECT_EQ(effects(Level::groundEffects(), L"switchHit").size(), 2u);
}

TEST_F(DoorTest, ASwitchHitMidChangeLeavesThatDoorsChangeAsItWas) {
  Door *changing = addDoor(math::Vector3(), math::Vector3(0.0f, 9.0f, 0.0f), true);
  Door *closed = addDoor(math::Vector3(6.0f, 0.0f, 0.0f), math::Vector3(6.0f, 9.0f, 0.0f), true);
  changing->toggle();
  changing->update(0.2f);
  hit(*addSwitch(-3, 0));
  EXPECT_EQ(changing->state(), uint32_t(Door::OPENING));
  EXPECT_FLOAT_EQ(changing->stateTime(), 0.2f);
  EXPECT_EQ(closed->state(), uint32_t(Door::OPENING));
}

TEST_F(DoorTest, ABallRestingOnASwitchTogglesOnceAndTheSwitchRearmsOnlyAfterItLeaves) {
  Door *door = addDoor(math::Vector3(), math::Vector3(0.0f, 9.0f, 0.0f), true);
  Switch *pad = addSwitch(-3, 0);
  // Contact every frame for 2 s: one toggle, the door opens and stays open.
  for (int i = 0; i < 60; ++i) {
    hit(*pad);
    pad->update(frame);
    door->update(frame);
  }
  EXPECT_EQ(door->state(), uint32_t(Door::OPEN));
  EXPECT_EQ(pad->state(), uint32_t(Switch::READY));
  EXPECT_FALSE(pad->armed());
  // A frame without contact re-arms it; the next touch closes the door.
  pad->update(frame);
  EXPECT_TRUE(pad->armed());
  hit(*pad);
  EXPECT_EQ(door->state(), uint32_t(Door::CLOSING));
}

TEST_F(DoorTest, SwitchesIgnoreContactsWhileTheEngineIsNotPlayingAndStructuresOtherThanTheBall) {
  Door *door = addDoor(math::Vector3(), math::Vector3(0.0f, 9.0f, 0.0f), true);
  Switch *pad = addSwitch(-3, 0);
  physics::Structure3D other;
  pad->onContact(&pad->geometry(), &other, 0);
  EXPECT_TRUE(pad->touched());
  EXPECT_EQ(door->state(), uint32_t(Door::CLOSED));
  pad->update(frame);
  engine->setState(Engine::COMPLETE);
  hit(*pad);
  EXPECT_FALSE(pad->touched());
  EXPECT_EQ(door->state(), uint32_t(Door::CLOSED));
}

TEST_F(DoorTest, TheSwitchsRecordsRoundTripAndItsPostStandsInItsCell) {
  Switch *pad = addSwitch(4, -2);
  EXPECT_FLOAT_EQ(pad->getPosition().x, 12.0f);
  EXPECT_FLOAT_EQ(pad->getPosition().y, -6.0f);
  hit(*pad);
  pad->update(0.25f);

  file::BufferBinary file, state;
  pad->writeLevelRecord(file);
  pad->write(state);
  EXPECT_EQ(file.size(), 8u);
  EXPECT_EQ(state.size(), 14u);
  Switch fromFile(*level), restored(*level);
  file.seek(0);
  state.seek(0);
  ASSERT_TRUE(fromFile.readLevelRecord(file));
  ASSERT_TRUE(restored.read(state));
  EXPECT_EQ(fromFile.cell().x, 4);
  EXPECT_EQ(fromFile.state(), uint32_t(Switch::READY));
  EXPECT_EQ(restored.state(), uint32_t(Switch::HIT));
  EXPECT_FLOAT_EQ(restored.stateTime(), 0.25f);
  EXPECT_FALSE(restored.armed());
  EXPECT_FLOAT_EQ(restored.getPosition().y, -6.0f);

  file::BufferBinary cut;
  cut.receiveBytes(state.data(), state.size() - 1);
  cut.seek(0);
  Switch untouched(*level);
  EXPECT_FALSE(untouched.read(cut));
  EXPECT_EQ(untouched.state(), uint32_t(Switch::READY));
  EXPECT_TRUE(untouched.armed());
}

TEST_F(DoorTest, TheLevelLooksSwitchesUpByCell) {
  Switch *pad = addSwitch(2, 3);
  EXPECT_TRUE(level->hasSwitch(math::Vector2i(2, 3)));
  EXPECT_FALSE(level->hasSwitch(math::Vector2i(3, 2)));
  EXPECT_EQ(level->takeSwitch(math::Vector2i(3, 2)), nullptr);
  EXPECT_EQ(level->takeSwitch(math::Vector2i(2, 3)), pad);
  EXPECT_TRUE(level->switches().isEmpty());
  delete pad;
}

TEST_F(DoorTest, TheBallClinksOffADoorOnlyWithAnImpactOfAQuarterOrMore) {
  ASSERT_TRUE(soundOpen);
  Door *door = addDoor(math::Vector3(), math::Vector3(0.0f, 9.0f, 0.0f), true);
  ball().setState(Ball::PLAYING);
  struct Case {
    float speed;
    bool clinks;
  } cases[] = {{0.25f, true}, {0.6f, true}, {0.2f, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.speed);
    quiet();
    physics::BounceEvent event(const_cast<physics::Box *>(&door->beam()), &ball().structure(), 0);
    event.normal = math::Vector3(-1.0f, 0.0f, 0.0f);
    event.incomingVelocity = math::Vector3(c.speed, 0.0f, 0.0f);
    ball().onBounce(event);
    EXPECT_EQ(played(L"clink"), c.clinks);
  }
  // Off a block's or a wall's geometry there is no clink.
  quiet();
  physics::Box plain;
  physics::BounceEvent event(&plain, &ball().structure(), 0);
  event.normal = math::Vector3(-1.0f, 0.0f, 0.0f);
  event.incomingVelocity = math::Vector3(1.0f, 0.0f, 0.0f);
  ball().onBounce(event);
  EXPECT_FALSE(played(L"clink"));
}

TEST_F(DoorTest, SavedStatesNoDoorOrSwitchRestsInReadAsTheirStart) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    uint8_t state;
    float time;
    bool closed;
    uint32_t expected;
    float expectedTime;
  } doors[] = {{Door::NONE, 0.2f, false, Door::OPEN, 0.0f},
               {200, 0.2f, true, Door::CLOSED, 0.0f},
               {Door::CLOSING, nan, false, Door::CLOSING, 0.0f}};
  for (const auto &c : doors) {
    SCOPED_TRACE(int(c.state));
    file::BufferBinary bytes;
    file::write(c.state, bytes);
    file::write(c.time, bytes);
    for (float v : {0.0f, 0.0f, 0.0f, 9.0f})
      file::write(v, bytes);
    file::write(uint8_t(c.closed ? 1 : 0), bytes);
    bytes.seek(0);
    Door door(*level);
    ASSERT_TRUE(door.read(bytes));
    EXPECT_EQ(door.state(), c.expected);
    EXPECT_EQ(door.stateTime(), c.expectedTime);
    // It still toggles: no state it cannot leave.
    door.update(1.0f);
    door.toggle();
    EXPECT_NE(door.state(), c.expected);
  }

  file::BufferBinary bytes;
  file::write(uint8_t(Switch::NONE), bytes);
  file::write(nan, bytes);
  for (int32_t v : {1, 2})
    file::write(v, bytes);
  file::write(uint8_t(0), bytes);
  bytes.seek(0);
  Switch pad(*level);
  ASSERT_TRUE(pad.read(bytes));
  EXPECT_EQ(pad.state(), uint32_t(Switch::READY));
  EXPECT_EQ(pad.stateTime(), 0.0f);
  pad.update(frame);
  EXPECT_TRUE(pad.armed());
}
