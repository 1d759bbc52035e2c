// The passages showcase, from the project's own level description through
// the level writer and the loader into play: a scripted ball uncovers the
// secret corner only once within reach of it, then rolls into the tube's
// mouth and rides over to the second room.

#include "PlayWorld.h"

#include "ShowcaseFile.h"
#include "engine/Secret.h"
#include "engine/Tube.h"

#include <gtest/gtest.h>

#include <string>

using leveltest::PlayWorld;

namespace {

class PassagesShowcase : public PlayWorld {
protected:
  void loadShowcase() {
    file::BufferBinary bytes;
    ASSERT_TRUE(leveltest::writeShowcase("showcase_passages", bytes));
    ASSERT_TRUE(level->load(bytes));
  }
  // The ball put down standing still.
  void ballAt(float x, float y) { ball().setPosition(math::Vector3(x, y, 0.0f)); }
};

} // namespace

TEST_F(PassagesShowcase, TheBallUncoversTheSecretAndRidesTheTubeToTheSecondRoom) {
  ASSERT_TRUE(soundOpen);
  loadShowcase();
  ASSERT_EQ(level->secrets().size(), 1u);
  ASSERT_EQ(level->tubes().size(), 1u);
  ASSERT_EQ(level->floorAreaCount(), 2u);
  Secret &secret = *level->secrets()[0];
  Tube &tube = *level->tubes()[0];
  ASSERT_TRUE(tube.hasPath());
  play();
  // The ball starts 7.5 below the secret corner.
  EXPECT_EQ(secret.state(), uint32_t(Secret::HIDDEN));

  // Just over 6 away the corner stays hidden; within 6 it opens.
  ballAt(-9.0f, 1.45f);
  frames(2);
  EXPECT_EQ(secret.state(), uint32_t(Secret::HIDDEN));
  quiet();
  ballAt(-9.0f, 2.0f);
  frames(1);
  EXPECT_EQ(secret.state(), uint32_t(Secret::REVEALED));
  EXPECT_TRUE(played(L"secret"));

  // In front of the mouth, which faces the first room, the ball is taken.
  ballAt(1.6f, 0.0f);
  frames(1);
  ASSERT_EQ(tube.state(), uint32_t(Tube::ENTERING));
  EXPECT_EQ(ball().state(), unsigned(Ball::TELEPORTING));
  EXPECT_EQ(ball().regionIndex(), 0);
  int ride = 0;
  while (ball().state() == Ball::TELEPORTING && ride < 300) {
    frames(1);
    ++ride;
  }
  EXPECT_EQ(tube.state(), uint32_t(Tube::IDLE));
  ASSERT_EQ(ball().state(), unsigned(Ball::PLAYING));
  // Let go in the second room, rolling on away from the exit.
  EXPECT_EQ(ball().regionIndex(), 1);
  EXPECT_EQ(level->floorAreaAt(ball().atomPosition()), 1u);
  const float released = ball().atomPosition().x;
  EXPECT_NEAR(released, tube.releasePoint().x, 1.5f);
  frames(3);
  EXPECT_GT(ball().atomPosition().x, released);
  EXPECT_EQ(level->floorAreaAt(ball().atomPosition()), 1u);
  EXPECT_EQ(level->state(), Level::PLAYING);
  EXPECT_EQ(secret.state(), uint32_t(Secret::REVEALED));
}
