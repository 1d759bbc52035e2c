// A frame of the ball rolling through a field of blocks allocates nothing
// once its trail has reached its length: the physics step, the ball's update
// and every block's update, with blocks shaking and charged.

#include "BlockRing.h"

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "support/AllocationCount.h"
#include "support/IdleFrame.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(BallAndBlocks, AFrameOfRollingAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  auto *level = new Level(engine);

  file::BufferBinary layout = blockRingLayout();
  BlockGrid &grid = level->blockGrid();
  ASSERT_TRUE(grid.read(layout));
  grid.blockAt(7, 0)->setCharge(2);
  Ball &ball = level->ball();
  ball.setState(Ball::PLAYING);

  const float dt = 1.0f / 30.0f;
  float t = 0.0f;
  auto frame = [&] {
    t += dt;
    ball.structure().pendingAcceleration =
        math::Vector3(std::cos(t), std::sin(t), 0.0f) * tuning::tiltScale;
    level->simulation().step(dt, dt);
    ball.update(dt);
    for (int32_t c = -8; c < 8; ++c)
      for (int32_t r = -8; r < 8; ++r)
        if (grid.occupied(c, r))
          grid.blockAt(c, r)->update(dt);
  };
  for (int i = 0; i < 60; ++i)
    frame();
  level->blast(math::Vector3(), 30.0f, 15.0f);

  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 200; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_GT(ball.trail().pointCount(), 1u);

  delete level;
  delete engine;
}
