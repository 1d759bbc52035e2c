#include "GuiTestSupport.h"

#include "gui/DictionaryRead.h"
#include "gui/Slider.h"
#include "gui/SliderArrow.h"
#include "gui/SliderHandle.h"
#include "gui/SliderListener.h"
#include "support/RecordingCanvas.h"

#include <cmath>

using namespace guitest;
using framework::InputEvent;
using GUI::Slider;

namespace {

Slider *newSlider() {
  return new Slider(new GUI::SliderHandle, new GUI::SliderArrow, new GUI::SliderArrow);
}

class NotingListener : public GUI::SliderListener {
public:
  void sliderMoved(Slider *) override { note("moved"); }
  void pageBack(Slider *) override { note("back"); }
  void pageForward(Slider *) override { note("forward"); }
};

class SliderTest : public GuiTest {
protected:
  // Extent 100 with a quarter shown (handle 40 long, travel 60), centred at
  // (160, 240) of a shown page and laid out; the listener notes.
  Slider *addSlider(const wchar_t *settings, int alignment = Slider::VERTICAL) {
    page = shownPage();
    Slider *slider = newSlider();
    slider->load(dictionaryOf(L"( extent: 100 percentVisible: 0.25 position: [ 160 240 ] "
                              L"hAlign: fixed: vAlign: fixed: )"));
    slider->load(dictionaryOf(settings));
    slider->setAlignment(alignment);
    slider->setListener(&listener);
    page->addChild(slider);
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    return slider;
  }

  GUI::Page *page = nullptr;
  NotingListener listener;
};

TEST_F(SliderTest, TheHandleAndItsTravelFollowTheExtentAndTheVisibleShare) {
  struct Case {
    const char *name;
    int alignment;
    bool arrows;
    float extent, visible, set;
    float length, travel, handleAt, percent;
  };
  const Case cases[] = {
      {"no extent", 1, true, 0, 1, 0.5f, 32, -36, 0, 0},
      {"no travel", 1, true, 50, 1, 0.7f, 60, 0, 0, 0},
      {"a quarter shown", 1, true, 100, 0.25f, 0.5f, 40, 60, 0, 0.5f},
      {"past the end", 1, true, 100, 0.25f, 1.7f, 40, 60, -60, 1},
      {"before the start", 1, true, 100, 0.25f, -1, 40, 60, 60, 0},
      {"lying", 0, true, 100, 0.25f, 0.25f, 40, 60, -30, 0.25f},
      {"no arrows", 1, false, 100, 0.5f, 0, 100, 50, 50, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Slider *slider = newSlider();
    slider->setAlignment(c.alignment);
    slider->setShowArrows(c.arrows);
    slider->setExtent(c.extent);
    slider->setPercentVisible(c.visible);
    slider->setPercent(c.set);
    EXPECT_EQ(slider->handleLength(), c.length);
    EXPECT_EQ(slider->travel(), c.travel);
    math::Vector2 at = slider->handle()->position();
    EXPECT_EQ(c.alignment == 1 ? at.y : at.x, c.handleAt);
    EXPECT_FLOAT_EQ(slider->percent(), c.percent);
    // The handle's hit rectangle is its size.
    math::Rectangle r = slider->handle()->rectangle();
    EXPECT_EQ(c.alignment == 1 ? r.height : r.width, c.length);
    EXPECT_EQ(c.alignment == 1 ? r.width : r.height, 18.0f);
    delete slider;
  }
  // An extent of 0 reads 0 wherever the handle stands.
  Slider *slider = newSlider();
  slider->handle()->setPosition(math::Vector2(0, -40));
  EXPECT_EQ(slider->percent(), 0.0f);
  delete slider;
}

TEST_F(SliderTest, ThePercentSurvivesChangesOfGeometry) {
  Slider *slider = newSlider();
  slider->setExtent(100);
  slider->setPercentVisible(0.25f);
  slider->setPercent(0.75f);
  slider->setPercentVisible(0.5f);
  EXPECT_FLOAT_EQ(slider->percent(), 0.75f);
  // Travel 40: three quarters of the way down.
  EXPECT_FLOAT_EQ(slider->handle()->position().y, -20);
  slider->setExtent(200);
  EXPECT_FLOAT_EQ(slider->percent(), 0.75f);
  slider->setAlignment(Slider::HORIZONTAL);
  EXPECT_FLOAT_EQ(slider->percent(), 0.75f);
  EXPECT_EQ(slider->backArrow()->direction(), GUI::SliderArrow::LEFT);
  EXPECT_EQ(slider->forwardArrow()->direction(), GUI::SliderArrow::RIGHT);
  EXPECT_EQ(slider->backArrow()->position().x, 10 - 200.0f);
  delete slider;
}

TEST_F(SliderTest, ArrowsStepTenPixelsOfTheTrackWithoutOnMove) {
  Slider *slider = addSlider(L"( percent: 0.5 onMove: { \"onMove\" note } )");

  slider->down(slider->forwardArrow());
  EXPECT_FLOAT_EQ(slider->percent(), 0.5f + 10.0f / 128.0f);
  slider->down(slider->backArrow());
  EXPECT_FLOAT_EQ(slider->percent(), 0.5f);
  EXPECT_EQ(g_log, "moved moved ");

  // Held, the forward arrow (at the bottom) moves it on every frame.
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 160, 240 - 90)));
  page->update(0.01f);
  page->update(0.01f);
  EXPECT_FLOAT_EQ(slider->percent(), 0.5f + 30.0f / 128.0f);
  EXPECT_EQ(g_log, "moved moved moved ");

  // Without room for the handle to travel, arrows do nothing.
  slider->setExtent(36);
  slider->setPercent(0);
  slider->down(slider->forwardArrow());
  EXPECT_EQ(slider->percent(), 0.0f);
}

TEST_F(SliderTest, DraggingTheHandleMovesItWithinTheTrackAndRunsOnMove) {
  Slider *slider = addSlider(L"( onMove: { note } )");
  ASSERT_EQ(slider->handle()->position().y, 60.0f);

  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 160, 305)));
  EXPECT_TRUE(slider->handle()->dragging());
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 170, 275)));
  EXPECT_EQ(slider->handle()->position().x, 0.0f);
  EXPECT_EQ(slider->handle()->position().y, 30.0f);
  EXPECT_EQ(g_log, "moved 0.25 ");
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 160, 0)));
  EXPECT_FLOAT_EQ(slider->percent(), 1.0f);
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 160, 0)));
  EXPECT_FALSE(slider->handle()->dragging());
  EXPECT_EQ(page->pointerCapture(), nullptr);
  g_log.clear();
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 300, 10)));
  EXPECT_EQ(g_log, "");
}

TEST_F(SliderTest, AClickOnTheTrackPagesButLeavesTheHandle) {
  struct Case {
    int alignment;
    int x, y;
    const char *log;
  };
  const Case cases[] = {{1, 160, 300, "back "},
                        {1, 160, 180, "forward "},
                        {0, 100, 240, "back "},
                        {0, 220, 240, "forward "}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.log + std::to_string(c.alignment));
    Slider *slider = addSlider(L"( percent: 0.5 )", c.alignment);
    g_log.clear();
    EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, c.x, c.y)));
    EXPECT_EQ(g_log, c.log);
    EXPECT_FLOAT_EQ(slider->percent(), 0.5f);
    EXPECT_TRUE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, c.x, c.y)));
    slider->setListener(nullptr);
    EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, c.x, c.y)));
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(SliderTest, KeysSetTheFieldsAndTheWrittenPercent) {
  Slider *slider = newSlider();
  // The percent is read before the visible share, yet kept.
  slider->load(dictionaryOf(L"( extent: 100 percent: 0.25 percentVisible: 0.25 )"));
  EXPECT_FLOAT_EQ(slider->percent(), 0.25f);
  math::Vector2 before = slider->handle()->position();
  slider->load(dictionaryOf(L"( alignment: horizontal: showArrows: false: )"));
  EXPECT_EQ(slider->alignment(), Slider::HORIZONTAL);
  EXPECT_EQ(slider->forwardArrow()->direction(), GUI::SliderArrow::RIGHT);
  EXPECT_FALSE(slider->backArrow()->visible());
  // Set directly: the handle is not placed again.
  EXPECT_EQ(slider->handle()->position().y, before.y);
  slider->load(dictionaryOf(L"( alignment: diagonal: percent: 0.5 )"));
  EXPECT_EQ(slider->alignment(), Slider::HORIZONTAL);
  quip::Dictionary written;
  slider->write(written);
  float percent = 0;
  GUI::readValue(written, SYM(L"percent"), percent);
  EXPECT_FLOAT_EQ(percent, 0.5f);
  delete slider;
}

// The arrow's triangle points its way: the tip (0, 4) turned about -z.
TEST_F(SliderTest, ArrowsDrawTheirTriangleTurnedTheirWay) {
  struct Case {
    int direction;
    float x, y;
  };
  const Case cases[] = {{GUI::SliderArrow::UP, 0, 4},
                        {GUI::SliderArrow::DOWN_ARROW, 1, -5},
                        {GUI::SliderArrow::LEFT, -4, 0},
                        {GUI::SliderArrow::RIGHT, 4, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.direction);
    GUI::SliderArrow arrow;
    arrow.setDirection(c.direction);
    arrow.setLayoutRect(arrow.localRectangle());
    testing_support::RecordingCanvas canvas;
    arrow.draw(canvas);
    ASSERT_EQ(canvas.drawn.size(), 4u);
    const testing_support::DrawnPrimitive &triangle = canvas.drawn[3];
    ASSERT_EQ(triangle.vertexCount(), 3);
    EXPECT_NEAR(triangle.placed(2).x, c.x, 1e-4);
    EXPECT_NEAR(triangle.placed(2).y, c.y, 1e-4);
    EXPECT_EQ(triangle.color(0), math::PackedColor(0, 0, 0, 191));
  }
}

TEST_F(SliderTest, TheTrackLooksSunkenAndTheHandleLitOnItsLeftOrTop) {
  Slider *slider = newSlider();
  slider->setExtent(100);
  testing_support::RecordingCanvas canvas;
  slider->drawTrack(canvas);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  EXPECT_EQ(canvas.drawn[0].color(0), math::PackedColor(178, 178, 178, 255));
  // The frame's top-left rim is the dark colour.
  EXPECT_EQ(canvas.drawn[1].color(0), math::PackedColor(51, 51, 51, 255));
  EXPECT_EQ(canvas.drawn[1].color(6), math::PackedColor(255, 255, 255, 255));

  for (int alignment : {Slider::VERTICAL, Slider::HORIZONTAL}) {
    SCOPED_TRACE(alignment);
    slider->setAlignment(alignment);
    canvas.drawn.clear();
    slider->handle()->draw(canvas);
    ASSERT_EQ(canvas.drawn.size(), 2u);
    // Corners top-left, bottom-left, top-right, bottom-right.
    math::PackedColor white(255, 255, 255, 255), light(204, 204, 204, 255);
    EXPECT_EQ(canvas.drawn[0].color(1), alignment == Slider::VERTICAL ? white : light);
    EXPECT_EQ(canvas.drawn[0].color(2), alignment == Slider::VERTICAL ? light : white);
  }
  delete slider;
}

} // namespace
