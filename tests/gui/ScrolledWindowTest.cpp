#include "GuiTestSupport.h"

#include "gui/ScrolledWindow.h"
#include "gui/Slider.h"
#include "gui/SliderArrow.h"
#include "gui/SliderHandle.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using framework::InputEvent;
using GUI::ScrolledWindow;

namespace {

GUI::Slider *newSlider() {
  return new GUI::Slider(new GUI::SliderHandle, new GUI::SliderArrow, new GUI::SliderArrow);
}

class NotingScrolls : public GUI::ScrollListener {
public:
  void scrolled(ScrolledWindow *) override { note("scrolled"); }
};

class ScrolledWindowTest : public GuiTest {
protected:
  // A window of 200 by 200 centred at (160, 240) of a shown page: its
  // rectangle is (-100, -100, 200, 200), on the screen (60, 140) to (260, 340).
  ScrolledWindow *addWindow(float contentWidth, float contentHeight,
                            const wchar_t *settings = L"( )") {
    page = shownPage();
    auto *window = new ScrolledWindow(newSlider(), newSlider());
    window->load(dictionaryOf(settings));
    window->load(dictionaryOf(L"( size: [ 200 200 ] position: [ 160 240 ] hAlign: fixed: "
                              L"vAlign: fixed: )"));
    content = new Probe("content", rect(0, 0, contentWidth, contentHeight));
    window->addToContents(content);
    window->addScrollListener(&scrolls);
    page->addChild(window);
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    return window;
  }
  bool shows(const GUI::Slider *slider) const { return slider->visible(); }

  GUI::Page *page = nullptr;
  Probe *content = nullptr;
  NotingScrolls scrolls;
};

TEST_F(ScrolledWindowTest, SlidersShowForContentsLargerThanTheView) {
  struct Case {
    float width, height;
    bool horizontal, vertical;
    float visibleH, visibleV;
  };
  const Case cases[] = {
      // 100 + 20 still fits across: only the vertical slider.
      {100, 300, false, true, 0, 200.0f / 300.0f},
      // The vertical slider's 20 pixels make the horizontal one needed.
      {190, 300, true, true, 180.0f / 190.0f, 180.0f / 300.0f},
      {300, 100, true, false, 200.0f / 300.0f, 0},
      {50, 40, false, false, 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    ScrolledWindow *window = addWindow(c.width, c.height);
    EXPECT_EQ(shows(window->horizontalSlider()), c.horizontal);
    EXPECT_EQ(shows(window->verticalSlider()), c.vertical);
    if (c.horizontal) {
      EXPECT_FLOAT_EQ(window->horizontalSlider()->percentVisible(), c.visibleH);
    }
    if (c.vertical) {
      EXPECT_FLOAT_EQ(window->verticalSlider()->percentVisible(), c.visibleV);
    }
    // At (0, 0) the contents' top-left corner meets the view's.
    EXPECT_EQ(window->contents()->position().x, -100.0f);
    EXPECT_EQ(window->contents()->position().y + c.height, 100.0f);
    // The corner square between two sliders.
    testing_support::RecordingCanvas canvas;
    window->drawAfterChildren(canvas);
    EXPECT_EQ(canvas.drawn.size(), c.horizontal && c.vertical ? 5u : 4u);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(ScrolledWindowTest, SmallContentsSitAsAligned) {
  struct Case {
    const wchar_t *settings;
    float x, y;
  };
  const Case cases[] = {
      {L"( )", -100, 60},
      {L"( alignH: center: alignV: center: )", -25, -20},
      {L"( alignH: right: alignV: bottom: )", 50, -100},
      // A word outside the table centres.
      {L"( alignH: middle: alignV: middle: )", -25, -20},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    ScrolledWindow *window = addWindow(50, 40, c.settings);
    page->update(0.0f);
    EXPECT_EQ(window->contents()->position().x, c.x);
    EXPECT_EQ(window->contents()->position().y, c.y);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(ScrolledWindowTest, PageStepsStopAtTheEnds) {
  ScrolledWindow *window = addWindow(100, 400);
  GUI::Slider *vertical = window->verticalSlider();
  window->setScroll(math::Vector2(0, 0.9f), true, false);
  window->pageForward(vertical);
  EXPECT_EQ(window->percent().y, 1.0f);
  EXPECT_FLOAT_EQ(vertical->percent(), 1.0f);
  window->setScroll(math::Vector2(0, 0.2f), true, false);
  window->pageBack(vertical);
  EXPECT_EQ(window->percent().y, 0.0f);

  // A click on the track below the handle pages forward by half.
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 250, 190)));
  EXPECT_FLOAT_EQ(window->percent().y, 0.5f);
  EXPECT_FLOAT_EQ(vertical->percent(), 0.5f);
  EXPECT_EQ(g_log, "scrolled ");
  // The contents moved up by half of what is hidden.
  EXPECT_EQ(window->contents()->position().y, -300.0f + 100.0f);
}

TEST_F(ScrolledWindowTest, DraggingAHandleScrollsAndTellsTheListeners) {
  ScrolledWindow *window = addWindow(100, 400);
  g_log.clear();
  // The handle (80 long, travel 40) stands at the top of the track.
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 250, 280)));
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 250, 240)));
  EXPECT_FLOAT_EQ(window->percent().y, 0.5f);
  EXPECT_EQ(g_log, "scrolled ");
  page->handleEvent(pointer(InputEvent::BUTTON_UP, 250, 240));
}

TEST_F(ScrolledWindowTest, DescendantsScrollByAnOffsetOrIntoView) {
  ScrolledWindow *window = addWindow(100, 400);
  EXPECT_EQ(content->scrollBy(math::Vector2(0, -100)), window);
  EXPECT_FLOAT_EQ(window->percent().y, 0.5f);
  EXPECT_FLOAT_EQ(window->verticalSlider()->percent(), 0.5f);
  // No room across: that axis stays 0.
  window->scrollBy(math::Vector2(-50, 0));
  EXPECT_EQ(window->percent().x, 0.0f);

  struct Case {
    float start;
    math::Rectangle wanted;
    bool vertical;
    float percent;
  };
  const Case cases[] = {
      // 100 below the view's bottom at 140: half the range of 200.
      {0, rect(60, 40, 20, 20), true, 0.5f},
      // 20 above its top at 340.
      {0.5f, rect(60, 340, 20, 20), true, 0.4f},
      // Taller than the view: its top counts.
      {0.5f, rect(60, 0, 20, 400), true, 0.2f},
      // Inside: nothing moves; without the axis's flag neither.
      {0.5f, rect(60, 200, 20, 20), true, 0.5f},
      {0.5f, rect(60, 40, 20, 20), false, 0.5f},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.wanted.y);
    window->setScroll(math::Vector2(0, c.start), true, false);
    content->scrollIntoView(c.wanted, true, c.vertical);
    EXPECT_FLOAT_EQ(window->percent().y, c.percent);
  }
}

TEST_F(ScrolledWindowTest, WithoutScissorItClipsNothing) {
  for (bool scissor : {true, false}) {
    SCOPED_TRACE(scissor);
    ScrolledWindow *window = addWindow(100, 400);
    window->setUseScissor(scissor);
    EXPECT_EQ(window->clipRectangle(),
              scissor ? rect(60, 140, 200, 200) : video::Window::screenRectangle());
    EXPECT_EQ(content->clipRectangle(), window->clipRectangle());
    testing_support::RecordingCanvas canvas;
    uint32_t before = this->window->viewportCount();
    window->draw(canvas);
    EXPECT_EQ(this->window->viewportCount(), before + (scissor ? 1 : 0));
    window->drawAfterChildren(canvas);
    EXPECT_EQ(this->window->viewportCount(), before);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(ScrolledWindowTest, KeysFillTheContentsAndSetThePercent) {
  GUI::WidgetRegistry *registry = GUI::WidgetRegistry::instance();
  Symbol first = registry->registerWidget(new Probe("a", rect(0, 0, 100, 150)));
  Symbol second = registry->registerWidget(new Probe("b", rect(0, 150, 100, 250)));
  quip::Dictionary settings = dictionaryOf(L"( enableSliderH: false: )");
  quip::Array names(0);
  names.append(quip::Token(first, false));
  names.append(quip::Token(second, false));
  settings.set(SYM(L"contents"), quip::Token(names, false));
  ScrolledWindow *window = addWindow(10, 10, L"( )");
  g_log.clear();
  window->load(settings);
  page->callNativeMethod(Symbol::intern(L"applyLayout"));
  // The probe added by the fixture went; the two named ones came.
  EXPECT_EQ(window->contents()->children().size(), 2u);
  EXPECT_EQ(registry->size(), 0u);
  EXPECT_EQ(g_log, "scrolled ");
  // Laid out, the contents keep a percent that is loaded.
  window->load(dictionaryOf(L"( percent: [ 0 0.5 ] )"));
  EXPECT_EQ(g_log, "scrolled ");
  EXPECT_FLOAT_EQ(window->percent().y, 0.5f);
  EXPECT_TRUE(shows(window->verticalSlider()));
  quip::Dictionary written;
  window->write(written);
  math::Vector2 percent;
  written.lookup(SYM(L"percent"))->get(percent);
  EXPECT_FLOAT_EQ(percent.y, 0.5f);

  // Its own parts stay its own.
  testing::internal::CaptureStderr();
  window->load(dictionaryOf(L"( children: [ ] )"));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("\"children\" ignored"), std::string::npos);
  EXPECT_EQ(window->children().size(), 3u);
  EXPECT_EQ(window->contents()->children().size(), 2u);
}

} // namespace
