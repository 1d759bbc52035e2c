#include "FrameworkTestSupport.h"
#include "support/NullCanvas.h"

#include "framework/FPSMeter.h"
#include "framework/InputState.h"
#include "framework/Shell.h"
#include "screen/Screen.h"
#include "screen/ScreenRegistry.h"
#include "video/DisplayHost.h"
#include "video/Layer.h"

using namespace testing_support;

namespace {

// The canvas of one test, gone again after it.
struct CanvasScope {
  NullCanvas *canvas = new NullCanvas;
  CanvasScope() { video::Canvas::setInstance(canvas); }
  ~CanvasScope() { video::Canvas::destroyInstance(); }
};

struct Recorder : framework::EventHandler {
  std::vector<int> keys;
  bool handleEvent(const framework::InputEvent &event) override {
    keys.push_back(event.key);
    return false;
  }
};

} // namespace

TEST_F(FrameworkTest, EachStateDrawsItsOwnFrame) {
  CanvasScope scope;
  framework->render(); // idle: nothing
  EXPECT_EQ(scope.canvas->frames, 0);

  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_LOADING);
  testing::internal::GetCapturedStderr();
  math::Color before(0.2f, 0.3f, 0.4f, 1.0f);
  scope.canvas->setClearColor(before);
  framework->render();
  EXPECT_EQ(scope.canvas->frames, 1);
  EXPECT_EQ(scope.canvas->lastClearFlags, 7);
  // The loading screen's background colour is put back afterwards.
  EXPECT_EQ(scope.canvas->clearColor(), before);
  EXPECT_EQ(scope.canvas->colorStackSize(), 0u);

  framework->setState(FRAMEWORK_RUNNING);
  framework->createLayers();
  framework->render();
  EXPECT_EQ(scope.canvas->frames, 2);
  EXPECT_EQ(scope.canvas->clears, 2);
  EXPECT_EQ(scope.canvas->lastClearFlags, 7);
}

// Queued records reach the layers once, top first, and are then deleted.
TEST_F(FrameworkTest, TheFramesInputGoesToTheLayersAndIsDeleted) {
  framework->createLayers();
  Recorder bottom, top;
  video::LayerManager::instance().getLayerAt(0).addEventHandler(&bottom);
  video::LayerManager::instance().getLayerAt(7).addEventHandler(&top);
  framework::InputState &input = framework::InputState::instance();
  for (int key : {1, 2}) {
    auto *record = new framework::InputEvent;
    record->key = key;
    input.enqueue(record);
  }
  framework->update(0.01f);
  EXPECT_EQ(top.keys, (std::vector<int>{1, 2}));
  EXPECT_EQ(bottom.keys, (std::vector<int>{1, 2}));
  EXPECT_EQ(input.queue().size(), 0u);
  framework->update(0.01f);
  EXPECT_EQ(top.keys.size(), 2u);
  video::LayerManager::instance().getLayerAt(0).removeEventHandler(&bottom);
  video::LayerManager::instance().getLayerAt(7).removeEventHandler(&top);
}

TEST_F(FrameworkTest, EndReportsTheFrameRateAndShutsDown) {
  struct CountingShell : framework::Shell {
    int quits = 0;
    void quit() override { ++quits; }
  } shell;
  framework::Shell::setInstance(&shell);
  framework->addScriptLibrary(String(L"a.!"));
  framework->addPageSet(Symbol::intern(L"menus"));
  // A screen that records its going: the screens go before the event log.
  struct Recording : screen::Screen {
    ~Recording() override { framework::BetaLog::instance().logEvent(L"Screen gone", L"home"); }
  };
  auto *home = new Recording;
  home->setName(Symbol::intern(L"home"));
  screen::ScreenRegistry::instance().addScreen(home);
  framework::BetaLog::instance();
  framework->countFrame(20);
  testing::internal::CaptureStderr();
  framework->end();
  std::string log = testing::internal::GetCapturedStderr();
  framework::Shell::setInstance(nullptr);
  EXPECT_EQ(log.rfind("FrameRate: 50.00 frames per second (1 frames in 0.02 seconds)\n", 0), 0u)
      << log;
  EXPECT_NE(log.find("20  ) ****************************************"), std::string::npos);
  EXPECT_EQ(shell.quits, 1);
  EXPECT_FALSE(framework::BetaLog::exists());
  EXPECT_EQ(framework->scriptLibraries().size(), 0u);
  EXPECT_EQ(framework->pageSetCount(), 0u);
}

TEST_F(FrameworkTest, TheWindowAsksTheFrameworkThroughItsHost) {
  struct Resizable : TestFramework {
    bool windowResizable() override { return true; }
    void windowSizeChanged() override { ++changes; }
    int changes = 0;
  };
  tearDownFramework();
  auto *resizable = new Resizable;
  Framework::setInstance(resizable);
  EXPECT_TRUE(video::DisplayHost::instance().windowResizable());
  EXPECT_TRUE(video::DisplayHost::instance().windowDecorated());
  video::DisplayHost::instance().windowSizeChanged();
  EXPECT_EQ(resizable->changes, 1);
  EXPECT_EQ(resizable->iconPath(), String(L"./Test.png"));
  tearDownFramework();
  // Gone with the framework: the defaults answer again.
  EXPECT_FALSE(video::DisplayHost::instance().windowResizable());
  framework = new TestFramework;
  Framework::setInstance(framework);
}

TEST(FPSMeter, RateAndPlacement) {
  FPSMeter meter;
  EXPECT_EQ(meter.measure(1000), 0); // the first reading
  EXPECT_EQ(meter.measure(1000), 0); // the same millisecond
  EXPECT_EQ(meter.measure(1030), 33);
  EXPECT_EQ(meter.measure(1046), 62);

  // In the corner: the box's right edge at the window's, its centre half a box down.
  FPSMeter::Layout corner = meter.layout(20.0f, 10.0f, math::Vector2(320.0f, 480.0f));
  EXPECT_FLOAT_EQ(corner.box.x, 290.0f);
  EXPECT_FLOAT_EQ(corner.box.y, 460.0f);
  EXPECT_FLOAT_EQ(corner.box.width, 30.0f);
  EXPECT_FLOAT_EQ(corner.box.height, 20.0f);
  EXPECT_FLOAT_EQ(corner.text.x, 295.0f);
  EXPECT_FLOAT_EQ(corner.text.y, 470.0f);

  meter.setPosition(math::Vector2(290.0f, 470.0f));
  EXPECT_FALSE(meter.cornerPlacement());
  FPSMeter::Layout placed = meter.layout(20.0f, 10.0f, math::Vector2(320.0f, 480.0f));
  EXPECT_FLOAT_EQ(placed.box.x, 290.0f);
  EXPECT_FLOAT_EQ(placed.box.y + placed.box.height / 2.0f, 470.0f);
  EXPECT_FLOAT_EQ(placed.text.x, 295.0f);
  EXPECT_FLOAT_EQ(placed.text.y, 470.0f);
}
