// The door showcase of the project's data, played headless with a scripted
// ball: a closed door holds the ball back until the ball hits the switch;
// past the door the ball crosses the gate while it is off and dies on it
// while it is on.

#include "PlayWorld.h"

#include "ShowcaseFile.h"
#include "engine/Door.h"
#include "engine/Gate.h"
#include "engine/Switch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using leveltest::PlayWorld;

namespace {

class ShowcaseDoors : public PlayWorld {
protected:
  void SetUp() override {
    PlayWorld::SetUp();
    file::BufferBinary bytes;
    ASSERT_TRUE(leveltest::writeShowcase("showcase_doors", bytes));
    ASSERT_TRUE(level->load(bytes));
  }

  // The ball is pushed towards the point each frame, at most 0.9 units a
  // step; true once it is within half a unit.
  bool rollTo(float x, float y, int limit) {
    for (int i = 0; i < limit; ++i) {
      math::Vector3 d = math::Vector3(x, y, 0.0f) - ball().atomPosition();
      d.z = 0.0f;
      const float distance = d.normalize();
      if (distance < 0.5f)
        return true;
      if (ball().state() != Ball::PLAYING)
        return false;
      ball().atom().setVelocity(d * std::min(0.9f, distance));
      frames(1);
    }
    return false;
  }
  // Frames until the gate enters the state, at most five seconds.
  bool waitFor(const Gate &gate, uint32_t state) {
    for (int i = 0; i < 150 && gate.state() != state; ++i)
      frames(1);
    return gate.state() == state;
  }
};

} // namespace

TEST_F(ShowcaseDoors, AScriptedBallOpensTheDoorCrossesTheGateWhileOffAndDiesOnItWhileOn) {
  ASSERT_EQ(level->doors().size(), 1u);
  ASSERT_EQ(level->switches().size(), 1u);
  ASSERT_EQ(level->gates().size(), 1u);
  const Door &door = *level->doors()[0];
  const Gate &gate = *level->gates()[0];
  const float doorY = door.endA().y, gateY = gate.from().y;
  EXPECT_EQ(door.state(), uint32_t(Door::CLOSED));
  play();

  // The closed door holds the ball back.
  EXPECT_FALSE(rollTo(0.0f, doorY + 4.0f, 60));
  EXPECT_LT(ball().atomPosition().y, doorY);
  EXPECT_EQ(ball().state(), uint32_t(Ball::PLAYING));

  // The switch opens it.
  const math::Vector3 pad = level->switches()[0]->getPosition();
  for (int i = 0; i < 60 && level->switches()[0]->state() != Switch::HIT; ++i)
    rollTo(pad.x, pad.y, 1);
  EXPECT_EQ(level->switches()[0]->state(), uint32_t(Switch::HIT));
  EXPECT_NE(door.state(), uint32_t(Door::CLOSED));
  frames(15);
  EXPECT_EQ(door.state(), uint32_t(Door::OPEN));
  ASSERT_TRUE(rollTo(0.0f, doorY + 4.0f, 90));

  // Across the gate while it is off.
  ASSERT_TRUE(rollTo(0.0f, gateY - 4.0f, 90));
  ASSERT_TRUE(waitFor(gate, Gate::OFF));
  ASSERT_TRUE(rollTo(0.0f, gateY + 4.0f, 30));
  EXPECT_EQ(ball().state(), uint32_t(Ball::PLAYING));
  EXPECT_FALSE(gate.hitBall());

  // Back across it while it is on: the ball has no shield and dies.
  ASSERT_FALSE(ball().hasShield());
  ASSERT_TRUE(waitFor(gate, Gate::ON));
  EXPECT_FALSE(rollTo(0.0f, gateY - 4.0f, 30));
  EXPECT_EQ(ball().state(), uint32_t(Ball::DYING));
  EXPECT_TRUE(gate.hitBall());
  frames(1);
  EXPECT_EQ(level->state(), Level::BALL_LOST);
}
