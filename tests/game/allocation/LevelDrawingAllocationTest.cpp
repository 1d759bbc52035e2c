// A frame of the level in play, drawn through all its passes, allocates
// nothing once its batches, trail, splashes, debris and bubbles have grown:
// blocks breaking into chunks and splats, the ball with a power, a lava pool
// with its bubbles.

#include "BlockRing.h"
#include "DrawingCanvas.h"

#include "billboard/Billboard3D.h"
#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Door.h"
#include "engine/Engine.h"
#include "engine/Gate.h"
#include "engine/Lava.h"
#include "engine/Level.h"
#include "engine/SpriteBatch.h"
#include "engine/Switch.h"
#include "engine/TarBall.h"
#include "engine/Worm.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/Database.h"
#include "math/Random.h"
#include "physics/Structure3D.h"
#include "support/AllocationCount.h"
#include "support/IdleFrame.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A pool of 12 by 12 units at (-20, -20).
Lava *pool(Level &level) {
  file::BufferBinary record;
  file::write(uint32_t(4), record);
  for (float v : {-20.0f, -20.0f, -8.0f, -20.0f, -8.0f, -8.0f, -20.0f, -8.0f})
    file::write(v, record);
  file::write(uint16_t(6), record);
  for (uint16_t i : {0, 1, 2, 0, 2, 3})
    file::write(i, record);
  for (float v : {-20.0f, -20.0f, 12.0f, 12.0f})
    file::write(v, record);
  record.seek(0);
  auto *lava = new Lava(level);
  EXPECT_TRUE(lava->read(record));
  return lava;
}

// A level of the engine in play, seen from 55 units above its middle.
Level *levelInPlay(Engine *engine) {
  auto *level = new Level(engine);
  level->camera().setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  level->refreshVisibleRectangle();
  level->setState(Level::PLAYING);
  return level;
}

} // namespace

TEST(LevelDrawing, AFrameOfPlayDrawnAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  video::Canvas &canvas = *drawInto(idle);
  // One run of the random stream: debris flies the same way each time.
  Random::globalSeed(5);
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  auto *level = new Level(engine);
  file::BufferBinary ring = blockRingLayout();
  ASSERT_TRUE(level->blockGrid().read(ring));
  level->addLava(pool(*level));
  level->camera().setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  level->refreshVisibleRectangle();
  level->setState(Level::PLAYING);
  Ball &ball = level->ball();
  ball.setState(Ball::PLAYING);
  ball.setPower(Ball::LIGHTNING);

  const float dt = 1.0f / 30.0f;
  int frames = 0;
  // Steady debris: a chunk and a splash every few frames, living 2 s.
  auto spawn = [&] {
    if (frames % 4 != 0)
      return;
    auto *chunk = new ChunkNormal(*level);
    chunk->setPosition(math::Vector3(0.0f, 1.0f, 0.0f));
    level->addChunkNormal(chunk);
    level->addSplat(math::Vector3(3.0f, 3.0f, 0.0f), uint32_t(frames) % 6);
  };
  auto frame = [&] {
    ++frames;
    // Round the middle, clear of the blocks: bounces would start effects.
    const float t = 0.1f * float(frames);
    ball.setPosition(math::Vector3(5.0f * std::cos(t), 5.0f * std::sin(t), 0.0f));
    level->stepPhysics(dt);
    ball.update(dt);
    level->chunksNormal().update(dt);
    level->splatter().update(dt);
    level->lavas().update(dt);
    level->render(canvas);
  };
  for (int i = 0; i < 120; ++i) {
    spawn();
    frame();
  }
  // Every bolt shape seen once: the bare database makes each prototype the
  // first time it is asked for, at whatever frame the random shape comes up.
  for (const wchar_t *bolt : {L"lightningWhole", L"lightningWhole2", L"lightningWhole3"})
    Billboard3D(Database::current(), Symbol::intern(bolt));

  // The chunks are made outside the count; the frames that draw them count.
  allocationCount = 0;
  for (int i = 0; i < 100; ++i) {
    spawn();
    allocationCounting = true;
    frame();
    allocationCounting = false;
  }
  EXPECT_EQ(allocationCount, 0);
  EXPECT_GT(level->lavas()[0]->bubbleCount(), 0u);
  EXPECT_FALSE(level->chunksNormal().isEmpty());

  delete level;
  delete engine;
}

// Worms cycling and a tar ball creeping and dripping, drawn with their
// batches, skeletons and dots.
TEST(LevelDrawing, WormsAndTarDrawnAllocateNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  DrawingCanvas *drawing = drawInto(idle);
  // The game's physics: damping per step.
  physics::setFixedTimeStep();
  Random::globalSeed(5);
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  Level *level = levelInPlay(engine);
  level->ball().setState(Ball::PLAYING);
  level->addWorm(new Worm(*level))->setup(math::Vector3(-15.0f, 12.0f, 0.0f), 90.0f, 3, false);
  level->addWorm(new Worm(*level))->setup(math::Vector3(15.0f, -12.0f, 0.0f), 0.0f, 4, true);
  auto *tar = new TarBall(*level);
  level->addTarBall(tar);
  // Slow enough never to reach the ball in the frames below.
  tar->place(math::Vector2i(6, 6), 1);

  const float dt = 1.0f / 30.0f;
  auto frame = [&] {
    level->stepPhysics(dt);
    level->worms().update(dt);
    level->tarBalls().update(dt);
    level->tarDots().update(dt);
    level->render(*drawing);
  };
  // Past a whole worm cycle, so that every head animation has been posed.
  for (int i = 0; i < 270; ++i)
    frame();
  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 60; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_EQ(tar->state(), TarBall::CHASING);
  EXPECT_GT(level->tarDots().recordCount(), 0u);

  delete level;
  delete engine;
}

// Splashes pick one of several textures at random: a batch whose first
// sprite comes late in play looks its texture up before, not in that frame.
TEST(LevelDrawing, ABatchFirstFilledMidPlayAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  DrawingCanvas *drawing = drawInto(idle);
  SpriteBatch batch(Symbol::intern(L"splatter4"));
  batch.reserve(4);
  batch.draw(*drawing, 8.0f);
  batch.add(math::Vector2(1.0f, 2.0f), math::Color(1.0f, 1.0f, 1.0f, 1.0f), 0.5f);
  allocationCount = 0;
  allocationCounting = true;
  batch.draw(*drawing, 8.0f);
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
}

// Doors opening and closing, a switch's pad and its hit, and a gate through
// its whole cycle, each frame updated and drawn through every pass.
TEST(LevelDrawing, AFrameOfDoorsSwitchesAndGatesAllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  video::Canvas &canvas = *drawInto(idle);
  auto *engine = new Engine;
  engine->setState(Engine::PLAYING);
  Level *level = levelInPlay(engine);
  // The ball waits off to the side: nothing harms it or is hit by it.
  level->ball().setPosition(math::Vector3(40.0f, 40.0f, 0.0f));
  auto *door = new Door(*level);
  door->setEndA(math::Vector3(-6.0f, -6.0f, 0.0f));
  door->setEndB(math::Vector3(6.0f, -6.0f, 0.0f));
  level->addDoor(door);
  auto *pad = new Switch(*level);
  pad->setCell(math::Vector2i(3, 0));
  level->addSwitch(pad);
  auto *gate = new Gate(*level);
  gate->setEnds(math::Vector3(-6.0f, 6.0f, 0.0f), math::Vector3(6.0f, 6.0f, 0.0f));
  level->addGate(gate);

  const float dt = 1.0f / 30.0f;
  int frames = 0;
  auto frame = [&] {
    ++frames;
    if (frames % 20 == 0) {
      level->toggleDoors();
      pad->setState(Switch::HIT);
    }
    level->doors().update(dt);
    level->switches().update(dt);
    level->gates().update(dt);
    level->render(canvas);
  };
  // A gate's cycle is 4.1 s: every state is drawn before the count.
  for (int i = 0; i < 150; ++i)
    frame();
  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 150; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);

  delete level;
  delete engine;
}
