#include "GuiTestSupport.h"

#include "framework/GameEngine.h"
#include "gui/GameEngineWidget.h"
#include "support/NullCanvas.h"

using namespace guitest;
using framework::InputEvent;
using GUI::GameEngineWidget;
using GUI::Page;

namespace {

// An engine as the widget sees it: it counts what reaches it and consumes
// the events it is told to.
class CountingEngine : public video::Renderable, public framework::EventHandler {
public:
  void update(float) override { ++updates; }
  void render(video::Canvas &) override { ++renders; }
  bool handleEvent(const InputEvent &) override {
    ++events;
    return consume;
  }
  int updates = 0;
  int renders = 0;
  int events = 0;
  bool consume = false;
};

class GameEngineWidgetTest : public GuiTest {
protected:
  GameEngineWidgetTest() {
    GameEngineWidget::setCurrentEngine(&engine, &engine);
    page = new Page;
    page->setName(Symbol::intern(L"game"));
    page->setLayerName(Symbol::intern(L"gui"));
    widget = new GameEngineWidget;
    page->addChild(widget);
    over = new Probe("over", rect(0, 0, 320, 480));
    widget->addChild(over);
    GUI::PageFactory::instance()->addPage(page);
  }
  ~GameEngineWidgetTest() override { GameEngineWidget::setCurrentEngine(nullptr, nullptr); }

  void frame() {
    page->update(0.03f);
    page->render(canvas);
  }

  CountingEngine engine;
  Page *page;
  GameEngineWidget *widget;
  Probe *over;
  testing_support::NullCanvas canvas;
};

TEST_F(GameEngineWidgetTest, AnEventTheEngineConsumesNeverReachesTheChildren) {
  page->enter();
  g_log.clear();
  engine.consume = true;
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_EQ(engine.events, 1);
  EXPECT_EQ(g_log, "");

  // What the engine leaves goes to the widgets over it.
  engine.consume = false;
  page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10));
  EXPECT_EQ(engine.events, 2);
  EXPECT_EQ(g_log, "over.down ");
}

TEST_F(GameEngineWidgetTest, HidingTheWidgetStopsTheEnginesUpdateAndDrawing) {
  page->enter();
  frame();
  EXPECT_EQ(engine.updates, 1);
  EXPECT_EQ(engine.renders, 1);

  widget->setVisible(false);
  frame();
  EXPECT_EQ(engine.updates, 1);
  EXPECT_EQ(engine.renders, 1);
  EXPECT_FALSE(widget->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_EQ(engine.events, 0);

  widget->setVisible(true);
  frame();
  EXPECT_EQ(engine.updates, 2);
  EXPECT_EQ(engine.renders, 2);
}

TEST_F(GameEngineWidgetTest, FollowsItsPage) {
  struct Case {
    const char *name;
    uint32_t pageState;
    bool updated, drawn, offered;
  };
  const Case cases[] = {
      {"inactive", Page::INACTIVE, false, false, false},
      {"entering", Page::ENTER, true, true, true},
      {"active", Page::ACTIVE, true, true, true},
      {"exiting", Page::EXIT, true, true, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    // Long transitions keep the page in the state for this frame.
    for (int s = 0; s < 4; ++s)
      page->stateTransition(s).duration = 10.0f;
    page->setState(int(c.pageState));
    engine = CountingEngine();
    frame();
    page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10));
    EXPECT_EQ(engine.updates, c.updated ? 1 : 0);
    EXPECT_EQ(engine.renders, c.drawn ? 1 : 0);
    EXPECT_EQ(engine.events, c.offered ? 1 : 0);
  }
}

TEST_F(GameEngineWidgetTest, CoversTheScreenAndIsNeverCulled) {
  math::Rectangle whole = widget->localRectangle();
  EXPECT_EQ(whole.x, 0.0f);
  EXPECT_EQ(whole.y, 0.0f);
  EXPECT_EQ(whole.width, 320.0f);
  EXPECT_EQ(whole.height, 480.0f);
  page->enter();
  // Even moved off the screen, the engine is drawn.
  widget->setPosition(math::Vector2(-2000.0f, -2000.0f));
  frame();
  EXPECT_EQ(engine.renders, 1);
}

TEST_F(GameEngineWidgetTest, WithoutAnEngineTheWidgetIsAnEmptyLayer) {
  GameEngineWidget::setCurrentEngine(nullptr, nullptr);
  page->enter();
  g_log.clear();
  frame();
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_EQ(g_log, "over.update over.down ");
  EXPECT_EQ(engine.updates + engine.renders + engine.events, 0);
}

TEST_F(GameEngineWidgetTest, DrivesWhicheverEngineTheFrameworkMakesCurrent) {
  auto *current = new framework::NullEngine;
  framework::GameEngine::setCurrent(current);
  EXPECT_EQ(GameEngineWidget::currentEngine(), current);
  framework::GameEngine::deleteCurrent();
  EXPECT_EQ(GameEngineWidget::currentEngine(), nullptr);
}

} // namespace
