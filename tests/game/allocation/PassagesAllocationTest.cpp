// A ride through a tube allocates nothing, drawn or not: the slide into the
// mouth, the path, the slide out and the release, with a hidden secret
// watching the ball and the tube's ribbon and boards drawn every frame.

#include "DrawingCanvas.h"
#include "LevelWriter.h"

#include "engine/Ball.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/Secret.h"
#include "engine/Tube.h"
#include "file/BufferBinary.h"
#include "support/AllocationCount.h"
#include "support/IdleFrame.h"

#include <gtest/gtest.h>

#include <string>

TEST(PassagesFrame, ARideThroughATubeAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  DrawingCanvas *drawing = drawInto(idle);
  std::vector<levelwriter::LevelPlan> plans;
  std::vector<std::string> errors;
  ASSERT_TRUE(levelwriter::planShowcases(std::string(CORVANE_SOURCE_DIR) + "/data", plans, errors));
  file::BufferBinary bytes;
  std::string error;
  for (const levelwriter::LevelPlan &plan : plans)
    if (plan.name == "showcase_passages") {
      ASSERT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
    }
  ASSERT_GT(bytes.size(), 0u);
  bytes.seek(0);
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  auto *level = new Level(engine);
  ASSERT_TRUE(level->load(bytes));
  ASSERT_EQ(level->tubes().size(), 1u);
  Tube &tube = *level->tubes()[0];
  level->begin();

  const float dt = 1.0f / 30.0f;
  auto frame = [&] {
    level->update(dt);
    level->render(*drawing);
  };
  for (int i = 0; i < 120; ++i)
    frame();
  ASSERT_EQ(level->state(), Level::PLAYING);
  // In front of the mouth; the take starts the ride.
  level->ball().setPosition(math::Vector3(1.6f, 0.0f, 0.0f));
  frame();
  ASSERT_EQ(tube.state(), uint32_t(Tube::ENTERING));

  // The release's sound name is made once, the first time any ball leaves.
  Symbol::intern(L"teleportEnd");
  allocationCount = 0;
  allocationCounting = true;
  int frames = 0;
  while (tube.state() != Tube::IDLE && frames < 300) {
    frame();
    ++frames;
  }
  for (int i = 0; i < 10; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_EQ(level->ball().state(), unsigned(Ball::PLAYING));
  EXPECT_EQ(level->secrets()[0]->state(), uint32_t(Secret::HIDDEN));

  delete level;
  delete engine;
}
