// A frame of the game in play allocates nothing: the game page's engine
// widget updates and draws the engine, which updates and draws its level, a
// room with an island and blocks as the level writer makes it.
// The global allocation functions are replaced for this program.

#include "LevelText.h"
#include "LevelWriter.h"

#include "engine/Engine.h"
#include "engine/LevelCatalogue.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "gui/GameFrontEnd.h"
#include "gui/GamePages.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "scores/UserProfile.h"
#include "screen/GameScreens.h"
#include "screen/ScreenRegistry.h"
#include "support/AllocationCounter.h"
#include "support/IdleFrame.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string levelFile() {
  levelwriter::LevelPlan plan;
  file::BufferBinary out;
  std::string error;
  EXPECT_TRUE(levelwriter::readDescription("ball 0 0\nmap -3 6\n.......\n.rr.gg.\n.......\n"
                                           "..##...\n..##.X.\n.BB....\n.BB.b..\nend\n",
                                           plan, error))
      << error;
  EXPECT_TRUE(levelwriter::levelFile(plan, out, error)) << error;
  return std::string(reinterpret_cast<const char *>(out.data()), out.size());
}

} // namespace

TEST(GameFrame, AFrameOfPlayAllocatesNothing) {
  testing_support::TempFolder folder;
  folder.write("engineConfig/level00_0.bin", levelFile());
  testing_support::IdleFrame idle;
  Database::current()->setPath(folder.wide());
  ASSERT_TRUE(idle.start());
  GameFrontEnd frontEnd;
  FrontEnd::install(&frontEnd);

  GUI::createMenuPages();
  screen::registerGameScreens();
  auto *engine = new Engine;
  framework::GameEngine::setCurrent(engine);
  engine->activate();
  screen::ScreenRegistry::instance().switchScreen(SYM(L"game"));
  engine->restartLevel();
  ASSERT_EQ(engine->state(), uint32_t(Engine::PLAYING));
  ASSERT_EQ(GUI::PageFactory::page(SYM(L"game"))->state(), uint32_t(GUI::Page::ACTIVE));
  // Past the ball's intro, with its trail grown to its length.
  for (int frame = 0; frame < 400; ++frame)
    idle.pass();

  float played = engine->stateTime();
  allocationCount = 0;
  allocationCounting = true;
  for (int frame = 0; frame < 200; ++frame)
    idle.pass();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  // The frames reached the level.
  EXPECT_GT(engine->stateTime(), played);

  engine->deactivate();
  framework::GameEngine::deleteCurrent();
  screen::ScreenRegistry::destroyInstance();
  UserProfile::destroy();
  LevelCatalogue::destroy();
  LocationDelegate::destroyInstance();
}
