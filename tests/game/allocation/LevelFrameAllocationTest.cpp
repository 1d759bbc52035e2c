// A frame of the level in steady play allocates nothing: Level::update with
// its own physics passes over the blocks the ball sweeps, every block's
// update, the group timers, the score drops still rising, the camera's
// tracking and the power charge's count, while the ball rolls in the open.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "physics/Structure3D.h"
#include "support/AllocationCount.h"
#include "support/IdleFrame.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LevelFrame, AFrameOfSteadyPlayAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  auto *level = new Level(engine);

  // A ring of blocks well clear of the ball's circle.
  file::BufferBinary layout;
  for (int32_t v : {30, 30, -15, -15, 0})
    file::write(v, layout);
  for (int16_t c = -15; c < 15; ++c)
    for (int16_t r = -15; r < 15; ++r)
      if (c * c + r * r > 100) {
        file::write(uint8_t((c + r + 30) % 6), layout);
        file::write(c, layout);
        file::write(r, layout);
      }
  file::write(uint8_t(255), layout);
  layout.seek(0);
  ASSERT_TRUE(level->blockGrid().read(layout));
  level->begin();

  const float dt = 1.0f / 30.0f;
  float t = 0.0f;
  auto frame = [&] {
    t += dt;
    level->ball().structure().pendingAcceleration +=
        math::Vector3(std::cos(t), std::sin(t), 0.0f) * (0.01f * tuning::tiltScale);
    level->update(dt);
  };
  // The intro, then a second of play; drops of a scoring event and a group.
  for (int i = 0; i < 120; ++i)
    frame();
  ASSERT_EQ(level->state(), Level::PLAYING);
  level->addScore(25, 0, math::Vector3());
  level->addScore(50, 3, math::Vector3());
  frame();

  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 60; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_EQ(level->blocksBroken(), 0u);
  EXPECT_EQ(level->ball().atom().position.z, 0.0f);

  delete level;
  delete engine;
}
