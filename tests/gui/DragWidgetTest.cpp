// The drag widget, dragged by its handle within its limits, and the variable
// that holds one script value.

#include "GuiTestSupport.h"

#include "gui/DragWidget.h"
#include "gui/Variable.h"

using namespace guitest;
using framework::InputEvent;

namespace {

class DragWidgetTest : public GuiTest {
protected:
  // At (50, 50) with a 20 x 20 handle round its origin.
  GUI::DragWidget *addDrag(const wchar_t *limits, bool withHandle = true) {
    page = shownPage();
    auto *drag = new GUI::DragWidget;
    if (withHandle)
      drag->addChild(new Probe("handle", rect(-10, -10, 20, 20)));
    drag->load(dictionaryOf(limits));
    drag->setPosition(math::Vector2(50, 50));
    page->addChild(drag);
    return drag;
  }
  bool send(uint32_t kind, int x, int y) { return page->handleEvent(pointer(kind, x, y)); }

  GUI::Page *page = nullptr;
};

TEST_F(DragWidgetTest, ADragFollowsThePointerWithinTheLimitsMinThenMax) {
  struct Case {
    const wchar_t *limits;
    int toX, toY;
    math::Vector2 at;
  };
  // Grabbed 5 right of and 5 above its origin.
  const Case cases[] = {
      {L"( minX: 0 maxX: 100 )", 155, 55, {100, 50}},
      {L"( minX: 0 maxX: 100 )", -40, 300, {0, 295}},
      {L"( minY: 10 maxY: 20 )", 5, 0, {0, 10}},
      {L"( )", 155, 55, {150, 50}},
      // Crossed limits: the maximum, applied last, wins.
      {L"( minX: 80 maxX: 60 )", 5, 55, {60, 50}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.limits)));
    GUI::DragWidget *drag = addDrag(c.limits);
    EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 55, 55));
    EXPECT_TRUE(drag->dragging());
    EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 75, 75));
    EXPECT_TRUE(send(InputEvent::BUTTON_UP, c.toX, c.toY));
    EXPECT_FALSE(drag->dragging());
    EXPECT_EQ(xy(drag->position()), xy(c.at));
    page->removeChild(drag);
  }
}

TEST_F(DragWidgetTest, EventsBesideADragGoToTheHandleAlone) {
  GUI::DragWidget *drag = addDrag(L"( )");
  // Off the handle: the handle is asked, and does not consume.
  g_log.clear();
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 90, 90));
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 95, 95));
  EXPECT_FALSE(page->handleEvent(key('a')));
  EXPECT_EQ(g_log, "handle.down handle.key ");
  EXPECT_EQ(xy(drag->position()), xy(math::Vector2(50, 50)));
}

TEST_F(DragWidgetTest, WithoutAHandleNothingIsConsumed) {
  GUI::DragWidget *drag = addDrag(L"( )", false);
  EXPECT_EQ(drag->handle(), nullptr);
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 50, 50));
  EXPECT_FALSE(drag->dragging());
  EXPECT_FALSE(page->handleEvent(key('a')));

  // A handle taken away mid-drag leaves none.
  drag = addDrag(L"( )");
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 50, 50));
  drag->removeChild(drag->handle());
  EXPECT_EQ(drag->handle(), nullptr);
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 70, 70));
}

TEST_F(DragWidgetTest, AVariableKeepsAnyValueAndWritesItBack) {
  GUI::Variable variable;
  variable.load(dictionaryOf(L"( value: [ 1 2 3 ] )"));
  ASSERT_TRUE(variable.value().isArray());
  quip::Dictionary written;
  variable.write(written);
  ASSERT_NE(written.lookup(SYM(L"value")), nullptr);
  EXPECT_EQ(written.lookup(SYM(L"value"))->array().count(), 3u);
  // A definition without the key keeps the value.
  variable.load(dictionaryOf(L"( )"));
  EXPECT_TRUE(variable.value().isArray());
  variable.load(dictionaryOf(L"( value: \"text\" )"));
  EXPECT_EQ(narrow(variable.value().string()), "text");
}

} // namespace
