// The worms-and-tar showcase level from the data tree, played headless with
// a ball the test places: a worm broken through its glowing segment, the
// tar that sticks and is shaken off, and the tar that is not.

#include "PlayWorld.h"

#include "ShowcaseFile.h"
#include "game/LevelFileBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using leveltest::PlayWorld;

namespace {

class WormTarShowcase : public PlayWorld {
protected:
  void SetUp() override {
    PlayWorld::SetUp();
    file::BufferBinary bytes;
    ASSERT_TRUE(leveltest::writeShowcase("showcase_worms_tar", bytes));
    ASSERT_TRUE(level->load(bytes));
    addPage(L"ballIntro");
    addPage(L"shakeIt");
    settle();
    play();
  }
  // The ball, standing still, on the point; the tar balls wait far off.
  void ballTo(const math::Vector3 &at) { ball().setPosition(at); }
  TarBall &tar() { return *level->tarBalls()[0]; }
  // The ball right beside the chasing tar, which takes it at once.
  void tarTheBall() {
    ASSERT_EQ(level->tarBalls().size(), 1u);
    ballTo(tar().getPosition() + math::Vector3(2.0f, 0.0f, 0.0f));
    frames(2);
    ASSERT_EQ(ball().state(), Ball::TARRED);
    ASSERT_EQ(level->state(), Level::SHAKE_OFF);
  }
};

} // namespace

TEST_F(WormTarShowcase, ItsWormsAndTarAreThere) {
  ASSERT_EQ(level->worms().size(), 2u);
  EXPECT_EQ(level->worms()[0]->segmentCount(), 4u);
  EXPECT_EQ(level->worms()[1]->segmentCount(), 3u);
  ASSERT_EQ(level->tarBalls().size(), 1u);
  EXPECT_EQ(tar().atomCount(), 4u);
}

TEST_F(WormTarShowcase, AWormBrokenThroughItsGlowingSegmentBurstsForAThousandPoints) {
  Worm *worm = level->worms()[0];
  uint32_t core = 0;
  while (!worm->segment(core).breakable)
    ++core;
  const uint32_t before = level->score();
  ballTo(worm->segment(core).position());
  frames(1);
  ASSERT_EQ(worm->state(), Worm::DYING);
  // Three segments burst one by one; the points come 0.5 s after the hit.
  frames(13);
  EXPECT_EQ(level->score(), before);
  frames(4);
  EXPECT_EQ(level->score(), before + Worm::points);
  ASSERT_EQ(level->worms().size(), 1u);
  EXPECT_EQ(ball().state(), Ball::PLAYING);
}

TEST_F(WormTarShowcase, TarShakenOffInTimeFreesTheBall) {
  tarTheBall();
  const math::Vector3 left(-0.9f, 0.0f, 0.0f), right(0.9f, 0.0f, 0.0f);
  for (int i = 0; i < 60 && level->state() == Level::SHAKE_OFF; ++i) {
    tilt(i % 2 ? left : right);
    frames(1);
  }
  EXPECT_EQ(level->state(), Level::PLAYING);
  EXPECT_EQ(ball().state(), Ball::PLAYING);
  EXPECT_TRUE(level->tarBalls().isEmpty());
}

TEST_F(WormTarShowcase, TarHeldForThreeSecondsKillsTheBallAndWaitsForTheNext) {
  tarTheBall();
  const uint32_t balls = level->balls();
  frames(85);
  EXPECT_EQ(ball().state(), Ball::TARRED);
  frames(10);
  EXPECT_EQ(level->state(), Level::BALL_LOST);
  EXPECT_EQ(tar().state(), TarBall::INACTIVE);
  // The next ball finds the tar back on its cell, chasing.
  for (int i = 0; i < 90 && level->state() == Level::BALL_LOST; ++i)
    frames(1);
  ASSERT_EQ(level->state(), Level::BALL_INTRO);
  EXPECT_EQ(level->balls(), balls - 1);
  EXPECT_EQ(tar().state(), TarBall::CHASING);
  EXPECT_EQ(tar().getPosition(), Level::cellCentre(tar().cell()));
}

TEST_F(WormTarShowcase, ItsPlayRoundTripsThroughTheSnapshot) {
  // A worm dying half burst, the other cycling, the tar on its way.
  Worm *worm = level->worms()[0];
  uint32_t core = 0;
  while (!worm->segment(core).breakable)
    ++core;
  ballTo(worm->segment(core).position());
  frames(8);
  ASSERT_EQ(worm->state(), Worm::DYING);
  ballTo(math::Vector3(0.0f, -18.0f, 0.0f));
  frames(1);
  file::BufferBinary written;
  level->writeState(written);
  written.seek(0);

  leveltest::TestLevel restored(engine);
  ASSERT_TRUE(restored.readState(written));
  file::BufferBinary again;
  restored.writeState(again);
  EXPECT_EQ(gametest::bytesOf(again), gametest::bytesOf(written));
  ASSERT_EQ(restored.worms().size(), 2u);
  const Worm &dying = *restored.worms()[0];
  EXPECT_EQ(dying.state(), Worm::DYING);
  for (uint32_t i = 0; i < dying.segmentCount(); ++i)
    EXPECT_EQ(dying.segment(i).geometry.enabled, !dying.segment(i).exploded);
  ASSERT_EQ(restored.tarBalls().size(), 1u);
  EXPECT_EQ(restored.tarBalls()[0]->getPosition(), tar().getPosition());
  EXPECT_EQ(restored.tarBalls()[0]->state(), tar().state());
}
