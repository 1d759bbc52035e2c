// The engine's side of the front end it reaches through: the tester's switch
// holds the pause back, and without a front end the engine starts nothing.

#include "EngineTestSupport.h"

using namespace enginetest;

TEST_F(EngineTest, TheTesterAtPlayIsNeverPaused) {
  GUI::Page *pause = addPage(L"pause", true);
  writeLevel(0);
  engine->restartLevel();
  frontEnd.tester().enabled = true;
  engine->focusChanged(false);
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::INACTIVE));
}

// The core without a front end: no profile to play for, so no level starts,
// and nothing reaches for pages or scores that are not there.
TEST_F(EngineTest, WithoutAFrontEndNoLevelStarts) {
  FrontEnd::install(nullptr);
  writeLevel(0);
  engine->activate();
  testing::internal::CaptureStderr();
  engine->restartLevel();
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Level not started: there is no player profile"), std::string::npos) << log;
  EXPECT_EQ(engine->state(), uint32_t(Engine::IDLE));
  engine->setState(Engine::COMPLETE);
  engine->undoCampaignScore();
  EXPECT_FALSE(engine->newRecord());
  engine->deactivate();
  EXPECT_FALSE(UserProfile::exists());
  EXPECT_FALSE(folder.exists("user.bin"));
}
