#include "GuiTestSupport.h"

#include "gui/BevelFrame.h"
#include "gui/Border.h"
#include "gui/Button.h"
#include "gui/ClipArea.h"
#include "gui/DrawWidget.h"
#include "gui/Line.h"
#include "gui/ScrimWidget.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using framework::InputEvent;

namespace {

class DrawingWidgetsTest : public GuiTest {
protected:
  // A widget of that kind loaded and added to a shown page.
  template <typename W> W *addWidget(const wchar_t *settings) {
    if (!page)
      page = shownPage();
    auto *w = new W;
    w->load(dictionaryOf(settings));
    page->addChild(w);
    return w;
  }

  GUI::Page *page = nullptr;
};

TEST_F(DrawingWidgetsTest, LinesAndBordersReportTheirRectangles) {
  struct Case {
    const char *kind;
    const wchar_t *settings;
    math::Rectangle expected;
  };
  const Case cases[] = {
      {"line", L"( start: [ 0 0 ] end: [ 10 0 ] width: 2 )", rect(-2, -2, 14, 4)},
      {"line", L"( start: [ 5 8 ] end: [ -5 2 ] )", rect(-6, 1, 12, 8)},
      {"border", L"( size: [ 100 50 ] width: 3 )", rect(-53, -28, 106, 56)},
      {"border", L"( size: [ 100 50 ] width: 3 outside: false: )", rect(-50, -25, 100, 50)},
      {"border", L"( size: [ 100 50 ] width: 3 centered: false: )", rect(-3, -3, 106, 56)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    GUI::Widget *w = c.kind[0] == 'l' ? static_cast<GUI::Widget *>(new GUI::Line)
                                      : static_cast<GUI::Widget *>(new GUI::Border);
    w->load(dictionaryOf(c.settings));
    EXPECT_EQ(w->localRectangle(), c.expected);
    delete w;
  }
}

// The strip runs round the edges at y + height, x + width, y and x, each as
// outer, inner, outer, inner corner.
TEST_F(DrawingWidgetsTest, TheFrameIsOneStripOfSixteenCorners) {
  math::Rectangle outer = rect(0, 0, 10, 6), inner = rect(1, 1, 8, 4);
  math::Vector2 p[16];
  GUI::frameVertices(outer, inner, p);
  const math::Vector2 expected[16] = {{0, 6},  {1, 5}, {10, 6}, {9, 5}, {10, 6}, {9, 5},
                                      {10, 0}, {9, 1}, {10, 0}, {9, 1}, {0, 0},  {1, 1},
                                      {0, 0},  {1, 1}, {0, 6},  {1, 5}};
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(p[k].x, expected[k].x) << k;
    EXPECT_EQ(p[k].y, expected[k].y) << k;
  }
  const math::Color light(1.0f, 1.0f, 1.0f, 1.0f), medium(0.5f, 0.5f, 0.5f, 1.0f),
      dark(0.0f, 0.0f, 0.0f, 1.0f);
  math::Color colors[16];
  GUI::frameColors(light, medium, dark, true, colors);
  for (int k = 0; k < 16; ++k) {
    bool lit = k == 0 || k == 2 || k == 12 || k == 14;
    bool shaded = k == 4 || k == 6 || k == 8 || k == 10;
    EXPECT_TRUE(colors[k] == (lit ? light : shaded ? dark : medium)) << k;
  }
  GUI::frameColors(light, medium, dark, false, colors);
  for (const math::Color &c : colors)
    EXPECT_TRUE(c == medium);

  // A frame wider than half its rectangle fills it rather than turning over.
  math::Rectangle o, i;
  GUI::frameRectangles(rect(0, 0, 10, 4), 3, false, o, i);
  EXPECT_EQ(i, rect(3, 2, 4, 0));
}

// Centred on (160, 240): size 100 by 50, width 3, so the layout gives it
// 112 by 62 and the frame is the outer 3 pixels of that.
TEST_F(DrawingWidgetsTest, OnlyTheFrameOfABorderIsHitAndADraggableOneMovesItsPage) {
  auto *border = addWidget<GUI::Border>(L"( size: [ 100 50 ] width: 3 draggable: true: "
                                        L"position: [ 160 240 ] hAlign: fixed: vAlign: fixed: )");
  page->callNativeMethod(Symbol::intern(L"applyLayout"));
  ASSERT_EQ(border->layoutRect(), rect(-56, -31, 112, 62));
  // Around the rectangle of its size, outside it.
  EXPECT_TRUE(border->containsPoint(math::Vector2(160 - 52, 240)));
  EXPECT_FALSE(border->containsPoint(math::Vector2(160 - 49, 240)));
  EXPECT_FALSE(border->containsPoint(math::Vector2(160 - 54, 240)));

  math::Vector2 start = page->position();
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 160, 240)));
  EXPECT_FALSE(border->dragging());

  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 160 - 55, 240)));
  EXPECT_TRUE(border->dragging());
  EXPECT_EQ(page->pointerCapture(), border);
  InputEvent move = pointer(InputEvent::POINTER_MOTION, 160 - 50, 237);
  move.motion = math::Vector2i(5, -3);
  EXPECT_TRUE(page->handleEvent(move));
  EXPECT_EQ(page->position().x, start.x + 5);
  EXPECT_EQ(page->position().y, start.y - 3);
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 160 - 50, 237)));
  EXPECT_FALSE(border->dragging());
  EXPECT_EQ(page->pointerCapture(), nullptr);

  border->setDraggable(false);
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 160 - 50, 237)));
}

class ViewportProbe : public GUI::Widget {
public:
  void draw(video::Canvas &) override {
    video::Window *w = video::Window::instance();
    count = w->viewportCount();
    if (count)
      top = w->topViewport();
  }
  uint32_t count = 0;
  math::Rectangle top;
};

TEST_F(DrawingWidgetsTest, AClipAreaClipsTheHitsAndDrawingOfItsChildren) {
  auto *area = addWidget<GUI::ClipArea>(L"( area: [ 0 0 100 100 ] position: [ 50.5 50 ] "
                                        L"hAlign: fixed: vAlign: fixed: )");
  // Its top-right corner pokes out of the area.
  auto *button = new GUI::Button;
  button->setHitArea(new math::Rectangle(40, 40, true));
  button->setPosition(math::Vector2(90, 90));
  button->setAlign(0, 0);
  area->addChild(button);
  auto *probe = new ViewportProbe;
  area->addChild(probe);
  page->callNativeMethod(Symbol::intern(L"applyLayout"));
  EXPECT_FALSE(area->sizeToChildren());
  EXPECT_EQ(area->clipRectangle(), rect(50, 50, 100, 100));

  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 155, 155)));
  EXPECT_EQ(button->state(), GUI::Button::IDLE);
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 145, 145)));
  EXPECT_EQ(button->state(), GUI::Button::DOWN);

  testing_support::RecordingCanvas canvas;
  uint32_t before = window->viewportCount();
  page->render(canvas);
  EXPECT_EQ(probe->count, before + 1);
  EXPECT_EQ(probe->top, rect(50, 50, 100, 100));
  EXPECT_EQ(window->viewportCount(), before);
}

TEST_F(DrawingWidgetsTest, AScrimCoversTheScreenOrFramesItsCutOut) {
  auto *scrim = addWidget<GUI::ScrimWidget>(L"( color: [ 0 0 0 0.5 ] position: [ 30 40 ] )");
  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  EXPECT_EQ(canvas.drawn[0].placed(0), math::Vector3(0, 480, 0));
  EXPECT_EQ(canvas.drawn[0].placed(3), math::Vector3(320, 0, 0));

  // The hole from (110, 215) to (210, 265); bands above and below, pieces beside.
  scrim->setCutout(Symbol::intern(L"hole"), math::Vector2(160, 240), math::Vector2(100, 50),
                   math::Color(1.0f, 1.0f, 1.0f, 1.0f));
  canvas.drawn.clear();
  testing::internal::CaptureStderr();
  page->render(canvas);
  testing::internal::GetCapturedStderr();
  ASSERT_EQ(canvas.drawn.size(), 4u);
  const math::Rectangle bands[4] = {rect(0, 265, 320, 215), rect(0, 215, 110, 50),
                                    rect(210, 215, 110, 50), rect(0, 0, 320, 215)};
  for (int k = 0; k < 4; ++k) {
    const testing_support::DrawnPrimitive &band = canvas.drawn[size_t(k)];
    EXPECT_EQ(band.placed(1), math::Vector3(bands[k].x, bands[k].y, 0)) << k;
    EXPECT_EQ(band.placed(2),
              math::Vector3(bands[k].x + bands[k].width, bands[k].y + bands[k].height, 0))
        << k;
  }
}

TEST_F(DrawingWidgetsTest, ADrawWidgetRunsItsCodeEveryTimeItDraws) {
  addWidget<GUI::DrawWidget>(L"( onDraw: { \"drawn\" note } )");
  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  page->render(canvas);
  EXPECT_EQ(g_log, "drawn drawn ");
}

} // namespace
