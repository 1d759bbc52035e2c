#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/Box.h"
#include "gui/Button.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using GUI::Page;

namespace {

using WidgetLookTest = GuiTest;

// The active state's animation moves the widget from x 0 to x 10 over a
// second of the page's state time; other states have none.
TEST_F(WidgetLookTest, StateAnimationFollowsThePageStateTime) {
  Page *page = shownPage();
  auto *box = new GUI::Box;
  box->load(dictionaryOf(
      L"( size: [ 10 10 ] animation: ( active: ( channels: ( translationX: ( frames: [ "
      L"( time: 0 value: 0 ) ( time: 1 value: 10 ) ] ) ) ) ) )"));
  page->addChild(box);
  page->callNativeMethod(Symbol::intern(L"applyLayout"));
  page->refreshAnimations();
  EXPECT_EQ(box->animationState().translation.x, 0.0f);
  page->update(0.5f);
  EXPECT_FLOAT_EQ(box->animationState().translation.x, 5.0f);

  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  EXPECT_FLOAT_EQ(canvas.drawn[0].placed(1).x, 5.0f - 5.0f);

  // Loading a state again replaces its animation.
  box->load(dictionaryOf(L"( animation: ( active: ( initialTranslation: [ 0 3 ] ) ) )"));
  page->update(0.1f);
  EXPECT_EQ(box->animationState().translation.x, 0.0f);
  EXPECT_EQ(box->animationState().translation.y, 3.0f);
  page->exit();
  EXPECT_EQ(page->state(), uint32_t(Page::INACTIVE));
  EXPECT_EQ(box->animationState().translation.y, 0.0f);
}

class TooltipTest : public GuiTest {
protected:
  // A hovered 40 x 20 button at (100, 20) that has rested for the time given.
  GUI::Button *hovered(float seconds) {
    Page *page = shownPage();
    auto *b = new GUI::Button;
    b->setPosition(math::Vector2(100, 20));
    b->setHitArea(new math::Rectangle(rect(0, 0, 40, 20)));
    page->addChild(b);
    b->setState(GUI::Button::OVER);
    page->update(seconds);
    return b;
  }
  TestFonts fonts{database};
};

TEST_F(TooltipTest, DrawnAfterHalfASecondInsideTheScreen) {
  GUI::Button *b = hovered(0.6f);
  b->setTooltip(String(L"Tip"));
  testing_support::RecordingCanvas canvas;
  b->page()->render(canvas);
  // Shadow, box, the outline's four lines; the glyphs have no texture.
  ASSERT_EQ(canvas.drawn.size(), 6u);
  // "Tip" is 24 x 10; 30 below the button it would leave the screen, so it
  // sits 10 above the bottom edge: the box from y 8 (text from 10) in
  // screen units, 2 wider on each side.
  math::Vector3 shadow = canvas.drawn[0].placed(1), box = canvas.drawn[1].placed(1);
  EXPECT_FLOAT_EQ(box.x, 98.0f);
  EXPECT_FLOAT_EQ(box.y, 8.0f);
  EXPECT_FLOAT_EQ(canvas.drawn[1].placed(2).x, 126.0f);
  EXPECT_FLOAT_EQ(shadow.x, 102.0f);
  EXPECT_FLOAT_EQ(shadow.y, 4.0f);
  EXPECT_EQ(canvas.drawn[0].color(0), math::PackedColor(0, 0, 0, 76));
  EXPECT_EQ(canvas.drawn[1].color(0), math::PackedColor(255, 255, 255, 255));
  EXPECT_EQ(canvas.drawn[2].color(0), math::PackedColor(0, 0, 0, 255));
}

TEST_F(TooltipTest, NotBeforeHalfASecondNorWithoutText) {
  GUI::Button *b = hovered(0.5f);
  b->setTooltip(String(L"Tip"));
  testing_support::RecordingCanvas canvas;
  b->page()->render(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
  b->setTooltip(String());
  b->page()->update(0.1f);
  b->page()->render(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
}

} // namespace
