// A frame of play among the hazards, updated and drawn, allocates nothing:
// a chomp woken by the ball, a fire turning, money bugs walking a loop and
// a line through their whole cycle.

#include "BlockRing.h"

#include "engine/Ball.h"
#include "engine/Chomp.h"
#include "engine/Engine.h"
#include "engine/Fire.h"
#include "engine/Level.h"
#include "engine/MoneyBug.h"
#include "support/AllocationCount.h"
#include "support/IdleFrame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

container::Vector<math::Vector2> pathOf(std::initializer_list<math::Vector2> points) {
  container::Vector<math::Vector2> path;
  for (const math::Vector2 &p : points)
    path.push(p);
  return path;
}

} // namespace

TEST(HazardFrame, AFrameAmongTheHazardsAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  auto *level = new Level(engine);
  file::BufferBinary ring = blockRingLayout();
  ASSERT_TRUE(level->blockGrid().read(ring));
  auto *chomp = new Chomp(*level);
  chomp->setCell(math::Vector2i(0, 3));
  level->addChomp(chomp);
  auto *fire = new Fire(*level);
  fire->setSpokes(math::Vector3(-10.0f, -10.0f, 0.0f), 120.0f, 3.0f, 0.0f, 3);
  level->addFire(fire);
  auto *loop = new MoneyBug(*level);
  loop->setPath(pathOf({{8.0f, -8.0f}, {12.0f, -8.0f}, {12.0f, -12.0f}}), true);
  level->addMoneyBug(loop);
  auto *line = new MoneyBug(*level);
  line->setPath(pathOf({{-12.0f, 8.0f}, {-8.0f, 12.0f}}), false);
  level->addMoneyBug(line);
  level->camera().setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  level->refreshVisibleRectangle();
  level->setState(Level::PLAYING);
  level->chomps().resetAll();
  level->fires().resetAll();
  Ball &ball = level->ball();
  ball.setState(Ball::PLAYING);

  const float dt = 1.0f / 30.0f;
  int frames = 0;
  auto frame = [&] {
    ++frames;
    const float t = 0.1f * float(frames);
    ball.setPosition(math::Vector3(5.0f * std::cos(t), 5.0f * std::sin(t), 0.0f));
    level->update(dt);
    level->render(*idle.canvas);
  };
  // A whole cycle of the bugs, every look drawn once.
  for (int i = 0; i < 300; ++i)
    frame();
  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 300; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_EQ(chomp->state(), Chomp::EXTENDED);
  EXPECT_EQ(fire->state(), Fire::TURNING);
  EXPECT_EQ(level->moneyBugs().size(), 2u);
  EXPECT_EQ(ball.state(), unsigned(Ball::PLAYING));
  EXPECT_EQ(level->state(), Level::PLAYING);

  delete level;
  delete engine;
}
