#pragma once
// A level in play under the game's own application object: the front end
// installed as the program does, a 320 x 480 window, the audio player open on
// the dummy driver with the game's sounds, the engine in its playing state,
// and tilt readings that reach the level through the application.

#include "FolderTumblix.h"
#include "LevelTestSupport.h"
#include "TestPages.h"
#include "engine/Engine.h"
#include "engine/LevelCatalogue.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "gui/GameFrontEnd.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "particle/ParticleSystemFactory.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"
#include "support/FakeWindow.h"

#include <gtest/gtest.h>

namespace leveltest {

using blocktest::TestLevel;

class PlayWorld : public testing::Test {
protected:
  void SetUp() override {
    FrontEnd::install(&frontEnd);
    app = new FolderTumblix(folder);
    database = corvaneDatabase();
    database->setPath(folder.wide());
    database->particleSystemFactory().reportMissing = false;
    soundOpen = blocktest::openGameSounds(*database, folder);
    engine = new Engine;
    engine->setState(Engine::PLAYING);
    level = new TestLevel(engine);
  }
  void TearDown() override {
    delete level;
    delete engine;
    gametest::tearDownGame();
  }

  Ball &ball() { return level->ball(); }
  BlockGrid &grid() { return level->blockGrid(); }
  Block *addBlock(unsigned kind, unsigned colour, int column, int row) {
    return blocktest::placeBlock(*level, kind, colour, column, row);
  }
  void touch(Block &block) { block.onContact(&block.geometry(), &ball().structure(), 0); }
  bool played(const wchar_t *name) { return blocktest::played(name); }
  void quiet() { blocktest::quiet(); }

  GUI::Page *addPage(const wchar_t *name, bool modal = false) {
    return gametest::addPage(name, modal);
  }

  // Entering or up.
  static bool shown(const GUI::Page &page) {
    return page.state() == GUI::Page::ENTER || page.state() == GUI::Page::ACTIVE;
  }
  // Readings count once the game has run half a second without a pause.
  void settle() { app->updateRunning(0.6f); }
  // The same reading until the smoothed gravity has reached it.
  void tilt(const math::Vector3 &reading) {
    for (int i = 0; i < 80; ++i)
      app->accelerationChanged(reading);
  }
  // Frames of the level at 1/30 s.
  void frames(int count) {
    for (int i = 0; i < count; ++i)
      level->update(1.0f / 30.0f);
  }
  // From the start of play: the intro has run and the ball plays.
  void play() {
    level->begin();
    frames(100);
    ASSERT_EQ(level->state(), Level::PLAYING);
  }

  testing_support::TempFolder folder;
  testing_support::FakeWindow window{320, 480};
  testing_support::WindowSwap windowSwap{&window};
  GameFrontEnd frontEnd;
  FolderTumblix *app = nullptr;
  CorvaneDatabase *database = nullptr;
  bool soundOpen = false;
  Engine *engine = nullptr;
  TestLevel *level = nullptr;
};

} // namespace leveltest
