#include "EngineTestSupport.h"
#include "game/CountedTexture.h"

#include "file/Database.h"
#include "file/Pdl.h"
#include "framework/CorvaneDatabase.h"
#include "screen/FixedScreen.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"

using namespace enginetest;
using gametest::CountedTexture;

namespace {

std::string utf8(const String &wide) {
  container::Vector<char> bytes;
  wide.toUtf8(bytes);
  return bytes.data();
}

} // namespace

// Completion.

TEST_F(EngineTest, AFirstCompletionUnlocksTheNextLevelRecordsItsTotalAndSaves) {
  complete(3, 500);
  EXPECT_GE(profile().m_levelsUnlocked, 5u);
  EXPECT_EQ(profile().localLevel(3)->m_score, 500u);
  EXPECT_TRUE(engine->newRecord());
  EXPECT_EQ(profile().m_levelsCompleted, 4u);
  EXPECT_TRUE(folder.exists("user.bin"));
}

TEST_F(EngineTest, TheLastLevelUnlocksNothing) {
  complete(69, 100);
  EXPECT_EQ(profile().m_levelsUnlocked, 70u);
  EXPECT_EQ(profile().m_levelsCompleted, 70u);
}

TEST_F(EngineTest, ARecordIsReplacedOnlyByAHigherTotal) {
  struct Case {
    uint32_t total;
    uint32_t record;
    bool newRecord;
  };
  // The first completion always records, even a total of 0.
  const Case cases[] = {{0, 0, true}, {800, 800, true}, {300, 800, false}, {900, 900, true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.total);
    complete(2, c.total);
    EXPECT_EQ(profile().localLevel(2)->m_score, c.record);
    EXPECT_EQ(engine->newRecord(), c.newRecord);
  }
}

TEST_F(EngineTest, TheCampaignAddsEachTotalAndTakesTheLevelsBackOut) {
  engine->setMode(Engine::CAMPAIGN);
  complete(0, 400);
  EXPECT_TRUE(profile().m_campaignInProgress);
  EXPECT_EQ(profile().m_localCampaign.m_score, 400u);
  EXPECT_EQ(profile().m_localCampaign.m_lastLevel, 0u);
  EXPECT_EQ(profile().m_campaignLevel, 1u);
  complete(1, 250);
  EXPECT_EQ(profile().m_localCampaign.m_score, 650u);
  EXPECT_EQ(profile().m_localCampaign.m_lastLevel, 1u);

  engine->undoCampaignScore();
  EXPECT_EQ(profile().m_localCampaign.m_score, 400u);
  // Never below nothing.
  engine->staged()->points = 1000;
  engine->undoCampaignScore();
  EXPECT_EQ(profile().m_localCampaign.m_score, 0u);
}

TEST_F(EngineTest, SingleLevelsLeaveTheCampaignAlone) {
  engine->setMode(Engine::SINGLE_LEVEL);
  profile().m_localCampaign.m_score = 70;
  complete(4, 300);
  EXPECT_EQ(profile().m_localCampaign.m_score, 70u);
  EXPECT_FALSE(profile().m_campaignInProgress);
  EXPECT_EQ(profile().m_campaignLevel, 0u);
  engine->undoCampaignScore();
  EXPECT_EQ(profile().m_localCampaign.m_score, 70u);
}

TEST_F(EngineTest, CompletionTurnsToTheLevelCompleteScreenAfterOneAndAHalfSeconds) {
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  screens.addScreen(new screen::FixedScreen(L"game", {}));
  screens.addScreen(new screen::FixedScreen(L"levelComplete", {}));
  screens.switchScreen(SYM(L"game"));
  complete(0, 10);
  engine->update(1.0f);
  EXPECT_EQ(screens.currentScreenName(), SYM(L"game"));
  engine->update(0.6f);
  EXPECT_EQ(screens.currentScreenName(), SYM(L"levelComplete"));
}

TEST_F(EngineTest, FailureEntersTheLevelFailedPage) {
  GUI::Page *failed = addPage(L"levelFailed", true);
  writeLevel(0);
  engine->restartLevel();
  engine->staged()->failed = true;
  engine->update(0.03f);
  EXPECT_EQ(engine->state(), uint32_t(Engine::FAILED));
  EXPECT_EQ(failed->state(), uint32_t(GUI::Page::ACTIVE));
}

// Starting, holding and leaving.

TEST_F(EngineTest, AModalPageHoldsTheLevelAndItsTime) {
  GUI::Page *pause = addPage(L"pause", true);
  writeLevel(0);
  engine->restartLevel();
  ASSERT_EQ(engine->state(), uint32_t(Engine::PLAYING));
  engine->update(0.25f);
  EXPECT_EQ(engine->staged()->updates, 1);
  EXPECT_FLOAT_EQ(engine->stateTime(), 0.25f);
  EXPECT_FALSE(pdl::screenTimeoutEnabled());

  pause->enter();
  EXPECT_FALSE(engine->shouldUpdate());
  engine->update(0.25f);
  EXPECT_EQ(engine->staged()->updates, 1);
  EXPECT_FLOAT_EQ(engine->stateTime(), 0.25f);
  EXPECT_TRUE(pdl::screenTimeoutEnabled());

  pause->exit();
  engine->update(0.25f);
  EXPECT_EQ(engine->staged()->updates, 2);
  EXPECT_FLOAT_EQ(engine->stateTime(), 0.5f);

  // A paused framework holds it too.
  framework->setPaused(true);
  engine->update(0.25f);
  EXPECT_EQ(engine->staged()->updates, 2);
}

TEST_F(EngineTest, EveryFifthStartUnloadsAllTexturesButTheLevelsOwn) {
  int probe = 0, forest = 0, own = 0;
  TextureManager &textures = corvaneDatabase()->textureManager();
  textures.addTexture(new CountedTexture(L"probe", probe));
  textures.addTexture(new CountedTexture(L"backgroundForest", forest));
  textures.addTexture(new CountedTexture(L"backgroundBlack", own));
  writeLevel(0);
  for (int start = 1; start <= 4; ++start)
    engine->restartLevel();
  EXPECT_EQ(probe, 0);
  EXPECT_EQ(forest, 4);
  engine->restartLevel();
  EXPECT_EQ(engine->levelStarts(), 5u);
  EXPECT_EQ(probe, 1);
  EXPECT_EQ(forest, 5);
  EXPECT_EQ(own, 0);
}

TEST_F(EngineTest, AMissingEmptyOrDamagedLevelFileIsRefusedAndTheEngineStaysIdle) {
  struct Case {
    const char *name;
    bool write;
    std::string bytes;
    const char *refusal;
  };
  const std::string whole = gametest::emptyLevelFile();
  const Case cases[] = {
      {"missing", false, "", "its file is missing or empty"},
      {"empty", true, "", "its file is missing or empty"},
      {"not a level", true, "level", "its file is damaged"},
      {"cut short", true, whole.substr(0, whole.size() - 1), "its file is damaged"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    if (c.write)
      folder.write(levelFile(0), c.bytes);
    testing::internal::CaptureStderr();
    engine->restartLevel();
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find(std::string("Level not started: ") + c.refusal + ": " + folder.path() + "/" +
                       levelFile(0)),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("Level begin"), std::string::npos);
    EXPECT_EQ(engine->state(), uint32_t(Engine::IDLE));
    EXPECT_EQ(engine->level(), nullptr);
    EXPECT_EQ(engine->levelStarts(), 0u);
    // With no level, a frame and an event do nothing.
    engine->update(0.03f);
    testing_support::NullCanvas canvas;
    engine->render(canvas);
    EXPECT_FALSE(engine->handleEvent(framework::InputEvent()));
    engine->beginLevel();
    EXPECT_EQ(engine->state(), uint32_t(Engine::IDLE));
  }
}

TEST_F(EngineTest, ALevelIndexPastTheCatalogueNeverReachesIt) {
  profile().m_currentLevel = 70;
  testing::internal::CaptureStderr();
  engine->restartLevel();
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Level not started: there is no level 70"), std::string::npos) << log;
  EXPECT_TRUE(engine->levelFilePath().isEmpty());
  EXPECT_EQ(engine->state(), uint32_t(Engine::IDLE));
}

TEST_F(EngineTest, StartingReadsTheProfilesLevelAndBeginsIt) {
  writeLevel(5);
  profile().selectLevel(5);
  testing::internal::CaptureStderr();
  engine->restartLevel();
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Level begin: 5"), std::string::npos) << log;
  EXPECT_EQ(utf8(engine->levelFilePath()), folder.path() + "/" + levelFile(5));
  EXPECT_TRUE(engine->levelFileLoaded());
  EXPECT_EQ(engine->state(), uint32_t(Engine::PLAYING));
  EXPECT_EQ(engine->stateTime(), 0.0f);
  // Outside the campaign no campaign begins.
  EXPECT_FALSE(profile().m_campaignInProgress);
}

TEST_F(EngineTest, LeavingEndsTheLevelAndTheInGamePagesOverIt) {
  GUI::Page *tutorial = addPage(L"tutorial");
  GUI::Page *ballIntro = addPage(L"ballIntro");
  tutorial->enter();
  ballIntro->enter();
  complete(0, 100);
  engine->leaveLevel();
  EXPECT_EQ(tutorial->state(), uint32_t(GUI::Page::INACTIVE));
  EXPECT_EQ(ballIntro->state(), uint32_t(GUI::Page::INACTIVE));
  EXPECT_EQ(engine->level(), nullptr);
  EXPECT_EQ(engine->state(), uint32_t(Engine::IDLE));
  EXPECT_FALSE(engine->newRecord());
}

TEST_F(EngineTest, LosingFocusPausesOnlyAGameInPlay) {
  GUI::Page *pause = addPage(L"pause", true);
  engine->focusChanged(false);
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::INACTIVE));
  writeLevel(0);
  // While only the first level is open its play starts in the tutorial.
  engine->restartLevel();
  ASSERT_EQ(engine->level()->state(), Level::TUTORIAL);
  engine->focusChanged(false);
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::INACTIVE));

  profile().unlockLevel(1);
  engine->restartLevel();
  engine->focusChanged(true);
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::INACTIVE));
  engine->focusChanged(false);
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::ACTIVE));
}

TEST_F(EngineTest, KeepsNoOptionsFile) {
  engine->activate();
  engine->saveOptions();
  engine->deactivate();
  EXPECT_FALSE(folder.exists("engineConfig/options.!"));
}

TEST_F(EngineTest, IsTheCurrentEngineAndWhite) {
  EXPECT_EQ(Engine::instance(), engine);
  EXPECT_EQ(engine->name(), SYM(L"engine"));
  math::Color white = engine->backgroundColor();
  EXPECT_EQ(white.r + white.g + white.b + white.a, 4.0f);
  framework::GameEngine::setCurrent(nullptr);
  EXPECT_EQ(Engine::instance(), nullptr);
  framework::GameEngine::setCurrent(engine);
}

TEST(EnginePreview, LevelPreviewsLieInTwoTexturesOfFortyCells) {
  struct Case {
    uint32_t level;
    const wchar_t *texture;
    float x, y;
  };
  const Case cases[] = {{0, L"levelPreviews0", 0, 0},
                        {39, L"levelPreviews0", 448, 384},
                        {40, L"levelPreviews1", 0, 0},
                        {45, L"levelPreviews1", 320, 0},
                        {69, L"levelPreviews1", 320, 288}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.level);
    Engine::Preview preview = Engine::levelPreviewRect(c.level);
    EXPECT_EQ(preview.texture, Symbol::intern(c.texture));
    EXPECT_EQ(preview.pixels.x, c.x);
    EXPECT_EQ(preview.pixels.x + preview.pixels.width, c.x + 64);
    EXPECT_EQ(preview.pixels.y, c.y);
    EXPECT_EQ(preview.pixels.y + preview.pixels.height, c.y + 96);
  }
}
