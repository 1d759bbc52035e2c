#include "BlockWorld.h"

#include "engine/Fire.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/Scalar.h"

#include <gtest/gtest.h>

#include <cmath>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

void writeFireRecord(file::BufferBinary &out, float x, float y, float speed, float length,
                     float phase, uint8_t count) {
  for (float v : {x, y, speed, length, phase})
    file::write(v, out);
  file::write(count, out);
}

class FireTest : public BlockWorld {
protected:
  Fire *fireOf(float x, float y, float speed, float length, float phase, uint8_t count) {
    file::BufferBinary bytes;
    writeFireRecord(bytes, x, y, speed, length, phase, count);
    bytes.seek(0);
    auto *fire = new Fire(*level);
    EXPECT_TRUE(fire->readLevelRecord(bytes));
    level->addFire(fire);
    return fire;
  }
  // Play time runs on; the fire updates.
  void play(Fire &fire, float seconds) {
    for (float t = 0.0f; t < seconds; t += frame) {
      playTime += frame;
      level->setPlayTime(playTime);
      fire.update(frame);
    }
  }
  void touch(Fire &fire) { fire.onContact(nullptr, &ball().structure(), 0); }
  void playingBall() {
    ball().setState(Ball::WAITING);
    ball().setState(Ball::PLAYING);
  }

  float playTime = 0.0f;
};

void expectNear(const math::Vector3 &a, const math::Vector3 &b) {
  EXPECT_NEAR(a.x, b.x, 1e-4f);
  EXPECT_NEAR(a.y, b.y, 1e-4f);
  EXPECT_NEAR(a.z, b.z, 1e-4f);
}

} // namespace

TEST_F(FireTest, SpokesStandEvenlyClockwiseFromThePhaseAndACountOfZeroMakesOne) {
  struct Case {
    uint8_t count;
    uint32_t spokes;
  };
  for (const Case &c : {Case{0, 1}, Case{1, 1}, Case{4, 4}, Case{7, 7}}) {
    SCOPED_TRACE(int(c.count));
    Fire *fire = fireOf(3.0f, 6.0f, 90.0f, 9.0f, 0.0f, c.count);
    EXPECT_EQ(fire->spokeCount(), c.spokes);
    ASSERT_EQ(fire->spokeTips().size(), c.spokes);
    expectNear(fire->spokeTips()[0], math::Vector3(3.0f, 15.0f, 0.0f));
    EXPECT_EQ(fire->state(), Fire::UNSET);
  }
  // Four spokes a quarter turn apart, the second to the right; a phase of
  // 90 degrees turns them all clockwise.
  Fire *four = fireOf(0.0f, 0.0f, 0.0f, 9.0f, 90.0f, 4);
  expectNear(four->spokeTips()[0], math::Vector3(9.0f, 0.0f, 0.0f));
  expectNear(four->spokeTips()[1], math::Vector3(0.0f, -9.0f, 0.0f));
  expectNear(four->spokeTips()[2], math::Vector3(-9.0f, 0.0f, 0.0f));
  expectNear(four->spokeTips()[3], math::Vector3(0.0f, 9.0f, 0.0f));
  // Written back, a count of 0 is the one spoke it made.
  file::BufferBinary bytes;
  fireOf(0.0f, 0.0f, 0.0f, 9.0f, 0.0f, 0)->writeLevelRecord(bytes);
  EXPECT_EQ(bytes.size(), Fire::levelRecordBytes);
  EXPECT_EQ(bytes.data()[Fire::levelRecordBytes - 1], 1u);
}

TEST_F(FireTest, TwoFiresOfEqualSpeedAndPhaseTurnInStepWhateverTheirLoadTimes) {
  Fire *early = fireOf(0.0f, 0.0f, 180.0f, 9.0f, 30.0f, 3);
  early->reset();
  play(*early, 1.7f);
  Fire *late = fireOf(30.0f, 0.0f, 180.0f, 9.0f, 30.0f, 3);
  late->reset();
  for (int i = 0; i < 40; ++i) {
    playTime += frame;
    level->setPlayTime(playTime);
    early->update(frame);
    late->update(frame);
    EXPECT_EQ(late->state(), Fire::TURNING);
    EXPECT_FLOAT_EQ(early->spokeAngle(), late->spokeAngle());
    EXPECT_FLOAT_EQ(early->spokeAngle(), math::wrap(30.0f + 180.0f * playTime, 360.0f));
  }
}

TEST_F(FireTest, AShieldedHitStopsItTwoSecondsThenItResumesWhereTheTurnMeetsItsSpokes) {
  Fire *fire = fireOf(0.0f, 0.0f, 180.0f, 9.0f, 0.0f, 2);
  fire->reset();
  play(*fire, 0.5f);
  ASSERT_EQ(fire->state(), Fire::TURNING);
  playingBall();
  ball().setPower(Ball::ICE);
  touch(*fire);
  EXPECT_EQ(fire->state(), Fire::STOPPED);
  EXPECT_EQ(ball().power(), unsigned(Ball::NO_POWER));
  EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
  const float stopped = fire->spokeAngle();
  const math::Vector3 tip = fire->spokeTips()[0];

  float still = 0.0f;
  float before = fire->spokeAngle();
  bool resumed = false;
  for (int i = 0; i < 200 && !resumed; ++i) {
    play(*fire, frame);
    if (fire->state() == Fire::TURNING) {
      resumed = true;
      // No more than the turn of one frame from where it stood.
      EXPECT_LE(std::fabs(Fire::angleDifference(before, fire->spokeAngle())),
                180.0f * frame + 1e-3f);
    } else {
      EXPECT_EQ(fire->spokeAngle(), stopped);
      expectNear(fire->spokeTips()[0], tip);
      still += frame;
    }
    before = fire->spokeAngle();
  }
  EXPECT_TRUE(resumed);
  EXPECT_GE(still, 2.0f);
  // Then a whole turn at most until the running turn meets the spokes.
  EXPECT_LE(still, 2.0f + 2.0f + 2.0f * frame);
}

TEST_F(FireTest, WithoutAShieldASpokeKillsOrSparesABallInItsGraceAndTheWheelTurnsOn) {
  struct Case {
    const char *what;
    uint32_t engineState;
    bool grace;
    unsigned ballAfter;
  };
  const Case cases[] = {{"playing", Engine::PLAYING, false, Ball::DYING},
                        {"in its grace", Engine::PLAYING, true, Ball::PLAYING},
                        {"engine not playing", Engine::FAILED, false, Ball::PLAYING}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    engine->setState(Engine::PLAYING);
    playingBall();
    if (c.grace) {
      ball().setPower(Ball::BOMB);
      ball().loseShield();
    }
    engine->setState(c.engineState);
    Fire *fire = fireOf(0.0f, 0.0f, 180.0f, 9.0f, 0.0f, 2);
    fire->reset();
    touch(*fire);
    EXPECT_EQ(ball().state(), c.ballAfter);
    EXPECT_EQ(fire->state(), Fire::WAITING);
  }
}

TEST_F(FireTest, AFireOfSpeedZeroNeverTurnsAndWaitsForEverAfterAHit) {
  Fire *fire = fireOf(0.0f, 0.0f, 0.0f, 9.0f, 45.0f, 3);
  fire->reset();
  play(*fire, 1.0f);
  EXPECT_EQ(fire->state(), Fire::WAITING);
  playingBall();
  ball().setPower(Ball::ICE);
  touch(*fire);
  play(*fire, 10.0f);
  EXPECT_EQ(fire->state(), Fire::WAITING);
  EXPECT_FLOAT_EQ(fire->spokeAngle(), 45.0f);
}

TEST_F(FireTest, TheSnapshotRecordIsThirtyFourBytesAndRestoresStateAndAngles) {
  Fire *fire = fireOf(4.5f, -3.0f, 120.0f, 7.5f, 15.0f, 5);
  fire->reset();
  play(*fire, 0.7f);
  playingBall();
  ball().setPower(Ball::ICE);
  touch(*fire);
  play(*fire, 0.3f);
  file::BufferBinary bytes;
  fire->write(bytes);
  EXPECT_EQ(bytes.size(), 34u);
  EXPECT_EQ(Fire::recordBytes, 34u);

  bytes.seek(0);
  Fire restored(*level);
  ASSERT_TRUE(restored.read(bytes));
  EXPECT_EQ(restored.state(), Fire::STOPPED);
  EXPECT_EQ(restored.stateTime(), fire->stateTime());
  EXPECT_EQ(restored.getPosition(), math::Vector3(4.5f, -3.0f, 0.0f));
  EXPECT_EQ(restored.speed(), 120.0f);
  EXPECT_EQ(restored.spokeLength(), 7.5f);
  EXPECT_EQ(restored.phase(), 15.0f);
  EXPECT_EQ(restored.spokeCount(), 5u);
  EXPECT_EQ(restored.lastAngle(), fire->lastAngle());
  EXPECT_EQ(restored.spokeAngle(), fire->spokeAngle());
  for (uint32_t i = 0; i < 5; ++i)
    expectNear(restored.spokeTips()[i], fire->spokeTips()[i]);

  // Every cut of the record is refused and changes nothing.
  for (uint32_t size = 0; size < 34; ++size) {
    file::BufferBinary cut;
    cut.receiveBytes(bytes.data(), size);
    cut.seek(0);
    Fire other(*level);
    EXPECT_FALSE(other.read(cut)) << size;
    EXPECT_EQ(other.spokeCount(), 1u);
    EXPECT_EQ(other.state(), Fire::UNSET);
  }
}
