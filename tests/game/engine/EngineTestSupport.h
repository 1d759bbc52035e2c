#pragma once
// The game's engine under a test framework of its own, in a fresh folder that
// is both the data root and the documents folder, with the game's front end
// installed as the program does: levels whose outcome and total the test
// sets, level files written on demand, and the teardown of the game's
// singletons.

#include "TestPages.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "game/LevelFileBytes.h"
#include "gui/GameFrontEnd.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"
#include "support/NullCanvas.h"

#include <string>

namespace enginetest {

// A level whose outcome and total the test sets.
class StagedLevel : public Level {
public:
  explicit StagedLevel(Engine *engine) : Level(engine) {}
  bool isComplete() const override { return complete; }
  bool isFailed() const override { return failed; }
  uint32_t total() const override { return points; }
  void update(float dt) override {
    ++updates;
    Level::update(dt);
  }

  bool complete = false;
  bool failed = false;
  uint32_t points = 0;
  int updates = 0;
};

class StagedEngine : public Engine {
public:
  StagedLevel *staged() const { return static_cast<StagedLevel *>(level()); }
  // The total of the levels made from now on.
  uint32_t nextTotal = 0;

protected:
  Level *makeLevel() override {
    auto *made = new StagedLevel(this);
    made->points = nextTotal;
    return made;
  }
};

class EngineTest : public testing_support::FrameworkTest {
protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    FrontEnd::install(&frontEnd);
    framework->documents = folder.path();
    engine = new StagedEngine;
    framework::GameEngine::setCurrent(engine);
  }
  void TearDown() override {
    framework::GameEngine::deleteCurrent();
    UserProfile::destroy();
    LevelCatalogue::destroy();
    screen::ScreenRegistry::destroyInstance();
    FrameworkTest::TearDown();
    LocationDelegate::destroyInstance();
  }

  UserProfile &profile() { return UserProfile::instance(); }

  std::string levelFile(uint32_t level) {
    container::Vector<char> name;
    LevelCatalogue::instance().levelName(level).toUtf8(name);
    return "engineConfig/" + std::string(name.data()) + ".bin";
  }
  // A file of an empty level.
  void writeLevel(uint32_t level) { folder.write(levelFile(level), gametest::emptyLevelFile()); }

  // Selects the level, plays it and completes it with the total.
  void complete(uint32_t level, uint32_t total) {
    writeLevel(level);
    profile().selectLevel(level);
    engine->nextTotal = total;
    engine->restartLevel();
    ASSERT_NE(engine->staged(), nullptr);
    engine->staged()->complete = true;
    engine->update(0.03f);
    ASSERT_EQ(engine->state(), uint32_t(Engine::COMPLETE));
  }

  GUI::Page *addPage(const wchar_t *name, bool modal = false) {
    return gametest::addPage(name, modal);
  }

  GameFrontEnd frontEnd;
  StagedEngine *engine = nullptr;
};

} // namespace enginetest
