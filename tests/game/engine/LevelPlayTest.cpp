#include "PlayWorld.h"
#include "SixBlockRoom.h"

#include "LevelWriter.h"
#include "engine/FrontEnd.h"
#include "game/LevelFileBytes.h"
#include "math/Random.h"
#include "math/Scalar.h"
#include "screen/FixedScreen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using leveltest::PlayWorld;

namespace {

// What one frame of play leaves.
struct Frame {
  float x, y;
  uint32_t broken, score, drops;
  int32_t state;
  bool operator==(const Frame &) const = default;
};

class LevelPlayTest : public PlayWorld {
protected:
  void SetUp() override {
    PlayWorld::SetUp();
    framework::GameEngine::setCurrent(engine);
    screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
    screens.addScreen(new screen::FixedScreen(L"game", {}));
    screens.addScreen(new screen::FixedScreen(L"levelComplete", {}));
    screens.switchScreen(SYM(L"game"));
  }
  void TearDown() override {
    framework::GameEngine::setCurrent(nullptr);
    PlayWorld::TearDown();
  }

  // Written where the engine reads the first level.
  void writeLevel(const levelwriter::LevelPlan &plan) {
    file::BufferBinary bytes;
    std::string error;
    ASSERT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
    container::Vector<char> name;
    LevelCatalogue::instance().levelName(0).toUtf8(name);
    folder.write("engineConfig/" + std::string(name.data()) + ".bin", gametest::bytesOf(bytes));
  }

  // The engine starts the first level, past its tutorial, and runs its
  // intro; null when it did not start.
  Level *startPlay() {
    UserProfile &profile = static_cast<UserProfile &>(*FrontEnd::currentProfile());
    profile.selectLevel(0);
    profile.m_levelsUnlocked = 2;
    engine->restartLevel();
    Level *played = engine->level();
    EXPECT_NE(played, nullptr);
    if (!played)
      return nullptr;
    for (int i = 0; i < 95; ++i)
      engine->update(1.0f / 30.0f);
    EXPECT_EQ(played->state(), Level::PLAYING);
    return played;
  }

  // From the engine's start of the level to 3 s after it completed, tilted
  // forwards, checking each break as it happens.
  std::vector<Frame> playToCompletion() {
    std::vector<Frame> trace;
    Random::globalSeed(7);
    Level *played = startPlay();
    if (!played)
      return trace;
    EXPECT_EQ(played->blockGrid().colouredCount(), 6u);
    settle();
    float completedAt = -1.0f;
    for (int i = 0; i < 600 && engine->state() == Engine::PLAYING; ++i) {
      app->accelerationChanged(math::Vector3(0.0f, 0.5f, 0.0f));
      const uint32_t broken = played->blocksBroken(), score = played->score();
      const uint32_t drops = played->scoreDrops().size();
      engine->update(1.0f / 30.0f);
      const uint32_t now = played->blocksBroken();
      EXPECT_LE(now, broken + 1);
      if (now == broken + 1) {
        // Broken and gone in the update of its contact, worth 25 and a drop.
        EXPECT_EQ(played->blockGrid().blockAt(0, int32_t(2 + now)), nullptr);
        EXPECT_EQ(played->score(), score + 25);
        EXPECT_EQ(played->scoreDrops().size(), drops + 1);
      }
      if (now == 6 && completedAt < 0.0f) {
        EXPECT_EQ(played->state(), Level::COMPLETING);
        completedAt = played->stateTime();
      }
      const math::Vector3 at = played->ball().atomPosition();
      trace.push_back(
          Frame{at.x, at.y, now, played->score(), played->scoreDrops().size(), played->state()});
    }
    EXPECT_EQ(played->blocksBroken(), 6u);
    EXPECT_EQ(played->state(), Level::COMPLETE);
    return trace;
  }
};

} // namespace

TEST_F(LevelPlayTest, TheTiltedBallBreaksEveryBlockAndTheLevelCompletesIntoTheRecord) {
  writeLevel(gametest::roomWithSixBlocks());
  const std::vector<Frame> trace = playToCompletion();
  ASSERT_FALSE(trace.empty());
  Level *played = engine->level();
  ASSERT_NE(played, nullptr);
  // One second in state 5, then the level and the engine are complete.
  uint32_t completing = 0;
  for (const Frame &f : trace)
    completing += f.state == Level::COMPLETING ? 1 : 0;
  EXPECT_GE(completing, 30u);
  EXPECT_LE(completing, 31u);
  EXPECT_EQ(engine->state(), uint32_t(Engine::COMPLETE));
  EXPECT_EQ(played->score(), 150u);

  // The totals: two reserve balls and the share of the score the time left.
  const float factor = 1.0f - played->playTime() / 60.0f;
  EXPECT_GT(played->playTime(), 1.0f);
  EXPECT_EQ(played->bonusPoints(), 1000u);
  EXPECT_EQ(played->timeBonus(), uint32_t(math::round(factor * 150.0f)));
  const uint32_t total = played->total();
  EXPECT_EQ(total, 1000u + 150u + played->timeBonus());
  UserProfile &profile = static_cast<UserProfile &>(*FrontEnd::currentProfile());
  EXPECT_GE(profile.m_levelsUnlocked, 2u);
  EXPECT_EQ(profile.levelScore(0), total);
  EXPECT_EQ(profile.levelsCompleted(), 1u);
  EXPECT_TRUE(engine->newRecord());
  EXPECT_TRUE(folder.exists("user.bin"));

  // The level-complete screen follows 1.5 s after completion.
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  engine->update(1.4f);
  EXPECT_EQ(screens.currentScreenName(), SYM(L"game"));
  engine->update(0.15f);
  EXPECT_EQ(screens.currentScreenName(), SYM(L"levelComplete"));
}

TEST_F(LevelPlayTest, TwoRunsOfOneSeedPlayTheSame) {
  writeLevel(gametest::roomWithSixBlocks());
  const std::vector<Frame> first = playToCompletion();
  // The smoothed reading back to exactly nothing, as the first run found it.
  for (int i = 0; i < 400; ++i)
    app->accelerationChanged(math::Vector3());
  app->resetAcceleration();
  const std::vector<Frame> second = playToCompletion();
  ASSERT_FALSE(first.empty());
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i)
    ASSERT_TRUE(first[i] == second[i]) << "frame " << i;
}

TEST_F(LevelPlayTest, ALostLastBallFailsTheLevelAndTheEngine) {
  GUI::Page *failed = addPage(L"levelFailed", true);
  writeLevel(gametest::roomWithSixBlocks());
  Level *played = startPlay();
  ASSERT_NE(played, nullptr);
  // Two balls in reserve: each loss brings the next after its pause.
  for (uint32_t reserve = 2; reserve > 0; --reserve) {
    played->ball().die();
    engine->update(1.0f / 30.0f);
    ASSERT_EQ(played->state(), Level::BALL_LOST);
    for (int i = 0; i < 160; ++i)
      engine->update(1.0f / 30.0f);
    ASSERT_EQ(played->state(), Level::PLAYING);
    EXPECT_EQ(played->balls(), reserve - 1);
  }
  played->ball().die();
  engine->update(1.0f / 30.0f);
  EXPECT_EQ(played->state(), Level::FAILED);
  EXPECT_EQ(engine->state(), uint32_t(Engine::FAILED));
  EXPECT_TRUE(shown(*failed));
  EXPECT_EQ(FrontEnd::currentProfile()->levelsCompleted(), 0u);
}
