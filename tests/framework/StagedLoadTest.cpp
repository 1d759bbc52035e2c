#include "FrameworkTestSupport.h"
#include "LoopTestSupport.h"

#include "file/FileStatus.h"
#include "framework/CorvaneDatabase.h"
#include "surface/PNGLoader.h"
#include "surface/PixelBuffer.h"
#include "video/Layer.h"
#include "video/LayerManager.h"
#include "video/RenderGroup.h"

using namespace testing_support;

namespace {

// One frame of the main loop; the log lines it wrote.
std::vector<std::string> frame(framework::MainLoop &loop, Framework &framework) {
  testing::internal::CaptureStderr();
  loop.pass(framework);
  return logTexts(testing::internal::GetCapturedStderr());
}

using Lines = std::vector<std::string>;

// A small grey loading picture in the test's data folder.
void writeLoadingPicture(const TempFolder &folder) {
  file::makeDirectory(folder.wide("load"));
  PixelBuffer picture;
  picture.create(8, 8, PixelBuffer::RGB888);
  picture.fill(128, 128, 128, 255);
  ASSERT_TRUE(PNGLoader::savePNG(folder.wide("load/loadingScreen.png"), picture, 0));
}

} // namespace

TEST_F(FrameworkTest, SettingTheSameStateKeepsTheStateTime) {
  framework->update(0.5f);
  EXPECT_EQ(framework->state(), FRAMEWORK_IDLE);
  EXPECT_FLOAT_EQ(framework->stateTime(), 0.5f);
  framework->setState(FRAMEWORK_IDLE);
  EXPECT_FLOAT_EQ(framework->stateTime(), 0.5f);

  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(framework->state(), FRAMEWORK_LOADING);
  EXPECT_FLOAT_EQ(framework->stateTime(), 0.0f);
  EXPECT_FLOAT_EQ(framework->totalTime(), 0.5f);
}

TEST_F(FrameworkTest, BeginWithoutSplashPicturesGoesStraightToLoading) {
  testing::internal::CaptureStderr();
  framework->begin(container::Vector<String>());
  Lines lines = logTexts(testing::internal::GetCapturedStderr());
  EXPECT_EQ(framework->state(), FRAMEWORK_LOADING);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), "Framework::begin()");
  EXPECT_EQ(lines.back(), "finished Framework::begin()");
}

// The missing loading picture is a warning; the load goes on without it.
TEST_F(FrameworkTest, AMissingLoadingPictureIsReportedAndLoadingGoesOn) {
  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(log.rfind("WARNING\n", 0), 0u) << log;
  EXPECT_NE(log.find("loadLoadingScreen()\n\nLoading screen not found: " + folder.path() +
                     "/load/loadingScreen.png\n\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(framework->loadingScreen(), nullptr);
  EXPECT_EQ(framework->state(), FRAMEWORK_LOADING);

  writeLoadingPicture(folder);
  framework->setState(FRAMEWORK_IDLE);
  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_NE(framework->loadingScreen(), nullptr);
  framework->setState(FRAMEWORK_RUNNING);
  EXPECT_EQ(framework->loadingScreen(), nullptr);
}

// The whole load, frame by frame: one step per frame, each with its line.
TEST_F(FrameworkTest, StagedLoadLogsOneStepPerFrame) {
  FakeLoopHost host;
  framework::MainLoop loop(host);
  folder.write("load/loadingScreen.png", "picture");
  testing::internal::CaptureStderr();
  framework->begin(container::Vector<String>());
  testing::internal::GetCapturedStderr();

  // The tests run on the dummy audio driver, so the mixer opens.
  EXPECT_EQ(frame(loop, *framework),
            (Lines{"Opened audio mixer, frequency: 22050, format: 32784, channels: 2",
                   "Initialized audio."}));
  EXPECT_EQ(video::LayerManager::instance().layerCount(), 0u);
  EXPECT_EQ(frame(loop, *framework), Lines{"Created layers."});
  EXPECT_EQ(video::LayerManager::instance().layerCount(), 8u);
  EXPECT_EQ(frame(loop, *framework), Lines{"Loaded script libraries."});
  EXPECT_EQ(frame(loop, *framework), Lines{"Defined strings."});
  EXPECT_EQ(frame(loop, *framework), Lines{"Loading database..."});

  // One asset kind per frame, then the frame that finds the database done.
  const std::string index = folder.path("config/skeletons/index.bin");
  const Lines kinds[] = {
      {},
      {"No assets: billboards"},
      {"No assets: fonts"},
      {}, // sounds: the folder has no bank, which is a warning
      {"No assets: shapes"},
      {"No assets: particleSystems"},
      {"No skeleton index: " + index, "Deserialized index: " + index},
      {"No assets: obstacles"},
      {"No assets: drops"},
      {"No assets: worlds"},
      {"Loaded database."},
  };
  for (const Lines &expected : kinds) {
    EXPECT_EQ(framework->loadStep(), 5u);
    EXPECT_EQ(frame(loop, *framework), expected);
  }

  EXPECT_EQ(frame(loop, *framework), Lines{}); // soundscapes: no file
  EXPECT_EQ(frame(loop, *framework), Lines{}); // music: no file
  EXPECT_EQ(frame(loop, *framework), Lines{}); // the framework's parts go on the layers
  video::LayerManager &layers = video::LayerManager::instance();
  EXPECT_EQ(layers.getLayer(Symbol::intern(L"backgroundInput")).eventHandlers().size(), 1u);
  EXPECT_EQ(layers.getLayer(Symbol::intern(L"foreground")).renderGroups().size(), 1u);
  EXPECT_EQ(layers.getLayer(Symbol::intern(L"cursor")).renderables().size(), 1u);
  EXPECT_EQ(layers.getLayer(Symbol::intern(L"videoCapture")).renderables().size(), 1u);

  EXPECT_EQ(frame(loop, *framework), Lines{"Created layer render groups."});
  for (uint32_t i = 0; i < layers.layerCount(); ++i) {
    video::Layer &layer = layers.getLayerAt(i);
    EXPECT_NE(video::RenderGroupTable::instance().find(layer.name()), nullptr);
  }
  EXPECT_EQ(frame(loop, *framework), Lines{}); // no accelerometer
  EXPECT_NE(framework->loadingScreen(), nullptr);
  EXPECT_FALSE(framework->frameStatistics());
  EXPECT_EQ(frame(loop, *framework), Lines{"Finished load."});
  EXPECT_EQ(framework->state(), FRAMEWORK_RUNNING);
  EXPECT_TRUE(framework->frameStatistics());
  EXPECT_EQ(framework->loadingScreen(), nullptr);
  EXPECT_EQ(framework->frameCount(), 1u);

  // Running from here: nothing more is logged.
  EXPECT_EQ(frame(loop, *framework), Lines{});
  EXPECT_EQ(framework->frameCount(), 2u);
}

TEST_F(FrameworkTest, TheLastStepRepeatsUntilTheApplicationMayFinish) {
  framework->mask = 0;
  framework->mayFinish = false;
  FakeLoopHost host;
  framework::MainLoop loop(host);
  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  for (int i = 0; i < 30; ++i)
    loop.pass(*framework);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(framework->state(), FRAMEWORK_LOADING);
  EXPECT_EQ(log.find("Finished load."), std::string::npos);
  // 5 steps, 11 database frames, 5 more steps, then the last step each frame.
  EXPECT_EQ(framework->finishChecks, 30 - 21);

  framework->mayFinish = true;
  testing::internal::CaptureStderr();
  loop.pass(*framework);
  EXPECT_EQ(logTexts(testing::internal::GetCapturedStderr()), Lines{"Finished load."});
  EXPECT_EQ(framework->state(), FRAMEWORK_RUNNING);
}

// With a mask of 0 the database runs ten empty steps and one that finds it
// done; no manager is made and no kind reports.
TEST_F(FrameworkTest, ADatabaseMaskOfZeroRunsTheEmptySteps) {
  framework->mask = 0;
  FakeLoopHost host;
  framework::MainLoop loop(host);
  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  testing::internal::GetCapturedStderr();
  for (int i = 0; i < 5; ++i)
    frame(loop, *framework);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(frame(loop, *framework), Lines{});
  EXPECT_EQ(frame(loop, *framework), Lines{"Loaded database."});
  CorvaneDatabase *database = corvaneDatabase();
  ASSERT_NE(database, nullptr);
  EXPECT_TRUE(database->loadDone());
  for (int kind = 0; kind < CorvaneDatabase::KIND_COUNT; ++kind)
    EXPECT_EQ(database->existingManager(CorvaneDatabase::Kind(kind)), nullptr);
}

TEST_F(FrameworkTest, TheLoadWaitsOutTheFadeIn) {
  struct Fading : TestFramework {
    LoadingScreenStyle loadingScreenStyle() override {
      LoadingScreenStyle style;
      style.fadeInTime = 0.1f;
      return style;
    }
  };
  tearDownFramework();
  auto *fading = new Fading;
  Framework::setInstance(fading);
  framework = fading;
  Database::current()->setPath(folder.wide());
  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  framework->update(0.05f);
  framework->update(0.04f);
  EXPECT_EQ(framework->loadStep(), 0u);
  framework->update(0.02f);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(framework->loadStep(), 1u);
}

TEST_F(FrameworkTest, ScriptLibrariesAndStrings) {
  folder.write("strings.!", "( defineStrings: { ( title: \"Tumble\" count: 3 ) } )");
  framework->addScriptLibrary(folder.wide() + L"/strings.!");
  testing::internal::CaptureStderr();
  framework->loadScriptLibraries();
  framework->defineStrings();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(framework->stringValue(Symbol::intern(L"title")), String(L"Tumble"));
  // Keys the procedure did not define, or not as text, give no text.
  EXPECT_EQ(framework->stringValue(Symbol::intern(L"missing")), String());
  EXPECT_EQ(framework->stringValue(Symbol::intern(L"count")), String());
}

TEST_F(FrameworkTest, OptionsAddLayersByName) {
  framework->createLayers();
  quip::Dictionary options;
  quip::Array names(0);
  names.append(quip::Token(Symbol::intern(L"extra"), false));
  names.append(quip::Token(2.0f));
  options.set(Symbol::intern(L"layers"), quip::Token(names, false));
  framework->readOptions(options);
  video::LayerManager &layers = video::LayerManager::instance();
  ASSERT_EQ(layers.layerCount(), 9u);
  EXPECT_EQ(layers.getLayerAt(8).name(), Symbol::intern(L"extra"));
  // A dictionary without the keys changes nothing.
  framework->readOptions(quip::Dictionary());
  EXPECT_EQ(layers.layerCount(), 9u);
}

TEST_F(FrameworkTest, TheFrameworkGroupRetiresItsFinishedChildren) {
  struct Once : video::RenderableObject {
    void update(float) override { finish(); }
    void render(video::Canvas &) override {}
  };
  testing::internal::CaptureStderr();
  framework->createLayers();
  for (uint32_t step = 8; step <= 9; ++step)
    framework->performLoadStep(step);
  testing::internal::GetCapturedStderr();
  framework->frameworkGroup().addRenderable(new Once);
  video::LayerManager::instance().update(0.03f);
  EXPECT_EQ(framework->frameworkGroup().size(), 0u);
}
