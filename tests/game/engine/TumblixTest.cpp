#include "engine/Tumblix.h"
#include "FolderTumblix.h"
#include "engine/Engine.h"
#include "engine/LevelCatalogue.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "game/LevelFileBytes.h"
#include "gui/GameFrontEnd.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "scores/Server.h"
#include "scores/UserProfile.h"
#include "screen/FixedScreen.h"
#include "screen/ScreenRegistry.h"
#include "support/GLFixture.h"
#include "texture/TextureManager.h"
#include "video/Layer.h"
#include "video/LayerManager.h"

#include <cmath>

using testing_support::TempFolder;

namespace {

// An engine that records what focus reaches it.
class FocusEngine : public framework::GameEngine {
public:
  FocusEngine() : GameEngine(Symbol::intern(L"focus")) {}
  void focusChanged(bool focused) override { seen.push_back(focused); }
  std::vector<bool> seen;
};

class TumblixTest : public testing::Test {
protected:
  void SetUp() override {
    FrontEnd::install(&frontEnd);
    app = new FolderTumblix(folder);
    Database::current()->setPath(folder.wide());
  }
  void TearDown() override {
    framework::GameEngine::deleteCurrent();
    gametest::tearDownGame();
  }

  GUI::Page *addPage(const wchar_t *name, bool modal) {
    auto *page = new GUI::Page;
    page->setName(Symbol::intern(name));
    page->setModal(modal);
    GUI::PageFactory::instance()->addPage(page);
    return page;
  }

  // Readings count once half a second has passed without a pause.
  void settle() { app->updateRunning(0.6f); }

  // The same reading until the smoothing has reached it.
  void hold(const math::Vector3 &reading) {
    for (int i = 0; i < 80; ++i)
      app->accelerationChanged(reading);
  }

  TempFolder folder;
  GameFrontEnd frontEnd;
  FolderTumblix *app = nullptr;
};

void expectNear(const math::Vector3 &a, const math::Vector3 &b) {
  EXPECT_NEAR(a.x, b.x, 1e-5f);
  EXPECT_NEAR(a.y, b.y, 1e-5f);
  EXPECT_NEAR(a.z, b.z, 1e-5f);
}

} // namespace

TEST_F(TumblixTest, IsTheFrameworkAndListensToTheAccelerometer) {
  EXPECT_EQ(Tumblix::instance(), app);
  EXPECT_EQ(Framework::instance(), app);
  EXPECT_FALSE(app->fixedRate());
  EXPECT_TRUE(app->usesAccelerometer());
  EXPECT_EQ(app->databaseLoadMask(), 111u);
  EXPECT_EQ(app->loadingScreenStyle().scaleMode, int32_t(LoadingScreenStyle::FILL));
  EXPECT_TRUE(app->hasFocus());
  EXPECT_EQ(framework::Accelerometer::instance().listenerCount(), 1u);
}

// The tilt filter.

TEST_F(TumblixTest, ReadingsWithinHalfASecondOfThePauseClosingAreIgnored) {
  GUI::Page *pause = addPage(L"pause", true);
  pause->enter();
  app->updateRunning(1.0f);
  EXPECT_EQ(app->resumeTime(), 0.0f);
  pause->exit();
  app->updateRunning(0.2f);
  app->accelerationChanged(math::Vector3(0.0f, 0.5f, -1.0f));
  expectNear(app->gravity(), math::Vector3());
  expectNear(app->smoothedAcceleration(), math::Vector3());

  app->updateRunning(0.4f);
  app->accelerationChanged(math::Vector3(0.0f, 0.5f, -1.0f));
  expectNear(app->gravity(), math::Vector3(0.0f, 0.15f, -0.3f));
}

TEST_F(TumblixTest, WithoutAPausePageTheGameCountsAsResumed) {
  app->updateRunning(0.3f);
  app->updateRunning(0.3f);
  EXPECT_FLOAT_EQ(app->resumeTime(), 0.6f);
}

TEST_F(TumblixTest, GravityIsTheSmoothedReadingTurnedByTheCalibration) {
  struct Case {
    float calibration;
    math::Vector3 gravity;
  };
  // About (-1, 0, 0) by minus the angle: the reading (0, 0, -1) turns
  // towards +y for a positive angle.
  const float half = std::sqrt(0.5f);
  const Case cases[] = {{0.0f, math::Vector3(0.0f, 0.0f, -1.0f)},
                        {90.0f, math::Vector3(0.0f, 1.0f, 0.0f)},
                        {-45.0f, math::Vector3(0.0f, -half, -half)}};
  settle();
  for (const Case &c : cases) {
    SCOPED_TRACE(c.calibration);
    UserProfile::instance().m_calibrationAngle = c.calibration;
    hold(math::Vector3(0.0f, 0.0f, -1.0f));
    expectNear(app->gravity(), c.gravity);
  }
  UserProfile::instance().m_calibrationAngle = 0.0f;
  app->accelerationChanged(math::Vector3(1.0f, 2.0f, 3.0f));
  expectNear(app->gravity(), app->smoothedAcceleration());
  app->resetAcceleration();
  expectNear(app->gravity(), math::Vector3());
}

TEST_F(TumblixTest, TiltAngleIsTheReadingsTurnAboutX) {
  struct Case {
    math::Vector3 reading;
    float degrees;
  };
  const Case cases[] = {{math::Vector3(0.0f, 0.0f, -1.0f), 0.0f},
                        {math::Vector3(0.0f, 1.0f, -1.0f), -45.0f},
                        {math::Vector3(0.0f, -1.0f, -1.0f), 45.0f},
                        {math::Vector3(0.0f, 1.0f, 0.0f), -90.0f},
                        {math::Vector3(0.0f, 0.0f, 1.0f), 180.0f},
                        // Sideways only: nothing about x.
                        {math::Vector3(0.7f, 0.0f, 0.0f), 0.0f}};
  EXPECT_EQ(app->tiltAngle(), 0.0f);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.degrees);
    // Each from level: what a reading before left would tip the edge cases.
    Framework::destroyInstance();
    app = new FolderTumblix(folder);
    settle();
    hold(c.reading);
    EXPECT_NEAR(app->tiltAngle(), c.degrees, 1e-3f);
  }
}

// Focus, frame work and drawing.

TEST_F(TumblixTest, FocusReachesTheEngineOnlyOnTheGameScreen) {
  auto *engine = new FocusEngine;
  framework::GameEngine::setCurrent(engine);
  app->focusChanged(false);
  EXPECT_FALSE(app->hasFocus());
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  screens.addScreen(new screen::FixedScreen(L"home", {}));
  screens.addScreen(new screen::FixedScreen(L"game", {}));
  screens.switchScreen(SYM(L"home"));
  app->focusChanged(true);
  EXPECT_TRUE(engine->seen.empty());
  screens.switchScreen(SYM(L"game"));
  app->focusChanged(false);
  ASSERT_EQ(engine->seen.size(), 1u);
  EXPECT_FALSE(engine->seen[0]);
}

TEST_F(TumblixTest, TheFrameRateIsHeldUnlessFreed) {
  app->updateRunning(0.03f);
  EXPECT_TRUE(app->fixedRate());
  app->setFreeFrameRate(true);
  app->updateRunning(0.03f);
  EXPECT_FALSE(app->fixedRate());
}

// The GL canvas with its render state, counting clears instead of making them.
class ClearCounter : public video::OpenGLCanvas {
public:
  void clear(int flags) override {
    ++clears;
    lastClearFlags = flags;
  }
  int clears = 0;
  int lastClearFlags = 0;
};

TEST_F(TumblixTest, PreRenderClearsOnlyTheColourAndOnlyWhenAsked) {
  ClearCounter canvas;
  app->preRender(canvas);
  EXPECT_EQ(canvas.clears, 1);
  EXPECT_EQ(canvas.lastClearFlags, int(video::Canvas::CLEAR_COLOR));
  canvas.renderState().setFrameClear(false);
  app->preRender(canvas);
  EXPECT_EQ(canvas.clears, 1);
}

TEST_F(TumblixTest, TheGamesLayersGoAfterTheirNeighbours) {
  app->createLayers();
  const char *order[] = {"backgroundInput", "background",         "backgroundMenu",
                         "scene",           "foreground",         "foregroundMenuUnder",
                         "foregroundMenu",  "foregroundMenuOver", "foregroundHighest",
                         "cursor",          "videoCapture"};
  video::LayerManager &layers = video::LayerManager::instance();
  ASSERT_EQ(layers.layerCount(), 11u);
  for (uint32_t i = 0; i < 11; ++i)
    EXPECT_EQ(layers.getLayerAt(i).name(), Symbol::intern(String::fromUtf8(order[i]).c_str()));
}

// Start-up and end.

TEST_F(TumblixTest, TheSystemInitialisationIgnoresTheArguments) {
  container::Vector<String> arguments;
  arguments.push(String(L"tumblix"));
  arguments.push(String(L"--level"));
  arguments.push(String(L"7"));
  testing::internal::CaptureStderr();
  app->handleArguments(arguments);
  std::string log = testing::internal::GetCapturedStderr();
  std::vector<std::string> lines = testing_support::logTexts(log);
  std::vector<std::string> expected = {"Build snapshot version: 3", "Build server version: 1",
                                       "Build saved game version: 2", "Initialized system"};
  EXPECT_EQ(lines, expected);
  CorvaneDatabase *database = corvaneDatabase();
  EXPECT_TRUE(database->loadMonolithicSkeletonFile());
  EXPECT_GE(database->textureManager().readBuffer().capacity(), 800000u);
  EXPECT_GE(database->buffer().capacity(), 20000u);
  EXPECT_EQ(audio::Player::instance().chunkSize(), 2048);
  EXPECT_EQ(UserProfile::exists(), false);
}

TEST_F(TumblixTest, StartUpRunsOneStagePerFrameAndTheFirstScreenStartsTheLevel) {
  gltest::canvas();
  app->createLayers();
  folder.write("engineConfig/level00_0.bin", gametest::emptyLevelFile());
  testing::internal::CaptureStderr();
  std::vector<uint32_t> stages;
  while (!app->finishLoad2()) {
    app->finishLoad1();
    stages.push_back(app->startupStage());
  }
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(stages, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_LT(log.find("Loaded user profile."), log.find("Initialized socket system"));
  EXPECT_EQ(app->fpsMeter().position().x, 290.0f);
  EXPECT_EQ(app->fpsMeter().position().y, 470.0f);
  EXPECT_TRUE(UserProfile::exists());
  EXPECT_NE(GUI::PageFactory::page(SYM(L"game")), nullptr);
  ASSERT_NE(Engine::instance(), nullptr);
  EXPECT_TRUE(Engine::instance()->isActive());
  EXPECT_TRUE(Server::addressLookupRequested());
  for (const wchar_t *name : {L"blank", L"game", L"home", L"homeIntro", L"levelComplete"})
    EXPECT_TRUE(screen::ScreenRegistry::instance().hasScreen(Symbol::intern(name)));

  app->finishLoad3();
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  EXPECT_EQ(screens.currentScreenName(), SYM(L"homeIntro"));
  // Until the home pages exist, the intro goes straight to play.
  testing::internal::CaptureStderr();
  screens.update(0.03f);
  log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(screens.currentScreenName(), SYM(L"game"));
  EXPECT_EQ(GUI::PageFactory::page(SYM(L"game"))->state(), uint32_t(GUI::Page::ACTIVE));
  EXPECT_NE(log.find("Level begin: 0"), std::string::npos) << log;
  EXPECT_EQ(Engine::instance()->state(), uint32_t(Engine::PLAYING));

  // A new window size rebuilds the pages and comes back to the same screen.
  GUI::Page *before = GUI::PageFactory::page(SYM(L"game"));
  app->windowSizeChanged();
  GUI::Page *after = GUI::PageFactory::page(SYM(L"game"));
  EXPECT_NE(after, before);
  EXPECT_EQ(screens.currentScreenName(), SYM(L"game"));
  EXPECT_EQ(after->state(), uint32_t(GUI::Page::ACTIVE));
}

TEST_F(TumblixTest, OnlyARunningGameWritesTheProfileAtTheEnd) {
  for (bool running : {false, true}) {
    SCOPED_TRACE(running);
    if (running) {
      app = new FolderTumblix(folder);
      app->setState(FRAMEWORK_RUNNING);
    }
    UserProfile::instance().m_currentLevel = 3;
    app->end();
    EXPECT_EQ(folder.exists("user.bin"), running);
    EXPECT_FALSE(UserProfile::exists());
    EXPECT_EQ(framework::GameEngine::current(), nullptr);
    Framework::destroyInstance();
  }
}
