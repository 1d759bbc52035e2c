#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/MultiLine.h"
#include "gui/MultiLineListener.h"
#include "gui/Slider.h"
#include "support/RecordingCanvas.h"

#include <cmath>

using namespace guitest;
using framework::InputEvent;

namespace {

class NotingListener : public GUI::MultiLineListener {
public:
  void selectionChanged(GUI::MultiLine *list) override {
    note("changed:" + std::to_string(list->selection()));
  }
};

enum Key : int32_t { UP = 273, DOWN = 274, PAGE_UP = 280, PAGE_DOWN = 281 };

class MultiLineTest : public GuiTest {
protected:
  // A list 200 x 100 at (160, 400) of a shown page, its lines 20 high: line
  // i's middle is at y 390 - 20 i before scrolling.
  GUI::MultiLine *addList(const wchar_t *settings) {
    page = shownPage();
    list = new GUI::MultiLine;
    list->load(dictionaryOf(settings));
    list->setPosition(math::Vector2(160, 400));
    list->setAlign(0, 0);
    page->addChild(list);
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    g_log.clear();
    return list;
  }

  bool press(int x, int y, uint32_t button = InputEvent::BUTTON_LEFT, uint32_t clicks = 1) {
    InputEvent e = pointer(InputEvent::BUTTON_DOWN, x, y);
    e.button = button;
    e.clicks = clicks;
    return page->handleEvent(e);
  }
  bool pressLine(int line, uint32_t clicks = 1) {
    return press(160, int(390 - 20 * line + list->scrollOffset()), InputEvent::BUTTON_LEFT, clicks);
  }
  bool type(int32_t code, uint32_t modifiers = 0) { return list->onKeyPress(key(code, modifiers)); }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
  GUI::MultiLine *list = nullptr;
  NotingListener listener;
};

const wchar_t *Ten =
    L"( windowSize: [ 200 100 ] contents: [ \"l0\" \"l1\" \"l2\" \"l3\" \"l4\" \"l5\""
    L" \"l6\" \"l7\" \"l8\" \"l9\" ] onSelect: { \"select\" note }"
    L" onDeselect: { \"deselect\" note } onDoubleClick: { \"double\" note } )";

} // namespace

TEST_F(MultiLineTest, TheWindowShowsWholeLinesAndScrollsTheRest) {
  struct Case {
    const wchar_t *settings;
    uint32_t visible, scrollable;
    float fraction;
  };
  const Case cases[] = {
      {L"( windowSize: [ 200 100 ] contents: [ 0 1 2 3 4 5 6 7 8 9 ] )", 5, 5, 0.5f},
      // Part of a line does not count.
      {L"( windowSize: [ 200 110 ] contents: [ 0 1 2 3 4 5 6 7 8 9 ] )", 5, 5, 0.5f},
      {L"( windowSize: [ 200 100 ] itemOffset: 25 contents: [ 0 1 2 ] )", 4, 0, 4.0f / 3},
      {L"( windowSize: [ 200 100 ] contents: [ ] )", 0, 0, 0.0f},
      // No line step: no line shows, rather than a division by zero.
      {L"( windowSize: [ 200 100 ] itemOffset: 0 contents: [ 0 1 2 ] )", 0, 3, 0.0f},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    GUI::MultiLine list;
    list.load(dictionaryOf(c.settings));
    EXPECT_EQ(list.visibleCount(), c.visible);
    EXPECT_EQ(list.scrollable(), c.scrollable);
    EXPECT_FLOAT_EQ(list.visibleFraction(), c.fraction);
  }
}

TEST_F(MultiLineTest, SelectingALineBelowTheWindowScrollsJustFarEnough) {
  addList(Ten);
  // The lines are read before the window's size, and selecting the first
  // of them did not scroll a window that showed nothing yet.
  EXPECT_EQ(list->selection(), 0);
  EXPECT_EQ(list->percent(), 0.0f);
  math::Rectangle first = list->lineRectangle(0);
  EXPECT_EQ(first.y, -20.0f);
  EXPECT_EQ(first.height, 20.0f);
  EXPECT_EQ(first.x, -100.0f);
  list->select(7);
  list->scrollToSelection();
  EXPECT_FLOAT_EQ(list->percent(), 0.6f);
  EXPECT_EQ(list->scrollOffset(), 60.0f);
  // Line 7 is now the last one in the window.
  EXPECT_EQ(list->lineRectangle(7).y, -100.0f);
  // Back up to line 1: it becomes the first shown.
  list->select(1);
  list->scrollToSelection();
  EXPECT_FLOAT_EQ(list->percent(), 0.2f);
  // A line already shown does not scroll.
  list->select(3);
  list->scrollToSelection();
  EXPECT_FLOAT_EQ(list->percent(), 0.2f);
}

TEST_F(MultiLineTest, NewContentsKeepTheSelectedIndexOrTheLast) {
  struct Case {
    int selected;
    const wchar_t *contents;
    int kept;
    const char *log;
  };
  const Case cases[] = {
      {2, L"( contents: [ a: b: c: d: ] )", 2, "deselect changed:-1 select changed:2 "},
      {2, L"( contents: [ a: b: ] )", 1, "deselect changed:-1 select changed:1 "},
      {-1, L"( contents: [ a: b: ] )", 0, "deselect changed:-1 select changed:0 "},
      {2, L"( contents: [ ] )", -1, "deselect changed:-1 deselect changed:-1 "},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.contents)));
    addList(Ten);
    list->addListener(&listener);
    list->select(c.selected);
    g_log.clear();
    list->load(dictionaryOf(c.contents));
    EXPECT_EQ(list->selection(), c.kept);
    EXPECT_EQ(g_log, c.log);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(MultiLineTest, AnUnselectableListSelectsNothing) {
  addList(Ten);
  list->load(dictionaryOf(L"( selectable: false: )"));
  list->select(3);
  EXPECT_EQ(list->selection(), -1);
  EXPECT_FALSE(pressLine(1));
  EXPECT_EQ(list->selection(), -1);
  // Keys go to the widget base, which has no handler.
  EXPECT_FALSE(type(DOWN));
  EXPECT_EQ(g_log, "deselect ");
}

TEST_F(MultiLineTest, TypedLettersSelectByPrefixUntilAPause) {
  addList(L"( windowSize: [ 200 100 ] contents: [ \"Bob\" \"cab\" \"BAnd\" \"bath\" \"Zed\" ] )");
  struct Step {
    float pause;
    int32_t key;
    uint32_t modifiers;
    bool consumed;
    const char *typed;
    int selected;
  };
  const Step steps[] = {
      {0.0f, 'b', 0, true, "b", 0},   // the first line starting so
      {0.5f, 'a', 0, true, "ba", 2},  // both letters, either case
      {0.5f, 'x', 0, true, "bax", 2}, // failing that, the longest shared prefix
      {1.1f, 'c', 0, true, "c", 1},   // after a pause it starts afresh
      {1.1f, 'z', 1, true, "Z", 4},   // Shift upper-cases the letter
      {1.1f, 'q', 0, false, "q", 4},  // no line shares a letter: not taken
      {1.1f, 'B', 2, true, "B", 0},   // shifted codes stay as they are
      {0.9f, ' ', 0, true, "B ", 0},  // any printable code counts
  };
  for (const Step &s : steps) {
    SCOPED_TRACE(s.typed);
    list->update(s.pause);
    EXPECT_EQ(type(s.key, s.modifiers), s.consumed);
    EXPECT_EQ(narrow(list->typed()), s.typed);
    EXPECT_EQ(list->selection(), s.selected);
  }
}

TEST_F(MultiLineTest, ArrowAndPageKeysMoveTheSelectionAndAreAlwaysTaken) {
  addList(Ten);
  struct Step {
    int32_t key;
    int selected;
    float percent;
  };
  // Loading the lines selected the first.
  const Step steps[] = {
      {UP, 0, 0.0f}, // Up on the first line changes nothing
      {DOWN, 1, 0.0f},    {PAGE_DOWN, 6, 0.4f}, {PAGE_DOWN, 9, 1.0f}, {DOWN, 9, 1.0f},
      {PAGE_UP, 4, 0.8f}, {UP, 3, 0.6f},        {PAGE_UP, 0, 0.0f},
  };
  for (const Step &s : steps) {
    SCOPED_TRACE(s.key);
    EXPECT_TRUE(type(s.key));
    EXPECT_EQ(list->selection(), s.selected);
    EXPECT_FLOAT_EQ(list->percent(), s.percent);
  }
  // Other keys go to the widget base.
  EXPECT_FALSE(type(27));
}

TEST_F(MultiLineTest, APressSelectsTheLineUnderItAndADoubleClickOnItRunsItsCode) {
  addList(Ten);
  EXPECT_TRUE(pressLine(2));
  EXPECT_EQ(list->selection(), 2);
  EXPECT_EQ(page->keyboardFocus(), list);
  // A double click on another line only selects it.
  EXPECT_TRUE(pressLine(3, 2));
  EXPECT_EQ(list->selection(), 3);
  EXPECT_EQ(g_log, "select select ");
  // On the selected line it runs onDoubleClick and keeps the selection.
  EXPECT_TRUE(pressLine(3, 2));
  EXPECT_EQ(list->selection(), 3);
  EXPECT_EQ(g_log, "select select double ");
  // Outside the list the press is not the list's.
  EXPECT_FALSE(press(10, 10));
  // Other buttons are not taken.
  EXPECT_FALSE(press(160, 380, InputEvent::BUTTON_RIGHT));
}

TEST_F(MultiLineTest, TheWheelScrollsALineAtATime) {
  addList(Ten);
  EXPECT_TRUE(press(160, 380, InputEvent::BUTTON_WHEEL_UP));
  EXPECT_FLOAT_EQ(list->percent(), 0.2f);
  EXPECT_TRUE(press(160, 380, InputEvent::BUTTON_WHEEL_UP));
  EXPECT_TRUE(press(160, 380, InputEvent::BUTTON_WHEEL_DOWN));
  EXPECT_FLOAT_EQ(list->percent(), 0.2f);
  list->setPercent(1.0f);
  EXPECT_TRUE(press(160, 380, InputEvent::BUTTON_WHEEL_UP));
  EXPECT_FLOAT_EQ(list->percent(), 1.0f);
  // A list that cannot scroll takes the wheel and stays.
  list->load(dictionaryOf(L"( contents: [ a: b: ] )"));
  list->setPercent(0.0f);
  EXPECT_TRUE(press(160, 380, InputEvent::BUTTON_WHEEL_UP));
  EXPECT_EQ(list->percent(), 0.0f);
}

TEST_F(MultiLineTest, TheSliderShowsOnlyWhenLinesAreHidden) {
  addList(Ten);
  page->update(0.0f);
  EXPECT_TRUE(list->slider()->visible());
  EXPECT_FLOAT_EQ(list->slider()->percentVisible(), 0.5f);
  EXPECT_EQ(list->slider()->extent(), 50.0f);
  // Its track clicks page the list by the visible share.
  list->pageForward(list->slider());
  EXPECT_FLOAT_EQ(list->percent(), 0.5f);
  list->pageForward(list->slider());
  EXPECT_FLOAT_EQ(list->percent(), 1.0f);
  list->pageBack(list->slider());
  EXPECT_FLOAT_EQ(list->percent(), 0.5f);
  list->load(dictionaryOf(L"( contents: [ a: b: ] )"));
  page->update(0.0f);
  EXPECT_FALSE(list->slider()->visible());
}

TEST_F(MultiLineTest, ItsKeysReadAndWriteTheSelection) {
  addList(Ten);
  list->load(dictionaryOf(L"( selection: \"L4\" )"));
  EXPECT_EQ(list->selection(), 4);
  list->load(dictionaryOf(L"( selectionIndex: 8 percent: 2 align: left: )"));
  EXPECT_EQ(list->selection(), 8);
  EXPECT_EQ(list->percent(), 1.0f);
  EXPECT_EQ(list->align(), GUI::MultiLine::LEFT);
  list->load(dictionaryOf(L"( align: middle: )"));
  EXPECT_EQ(list->align(), GUI::MultiLine::LEFT);
  quip::Dictionary written;
  list->write(written);
  EXPECT_EQ(written.lookup(SYM(L"percent"))->number(), 1.0f);
  EXPECT_EQ(written.lookup(SYM(L"selectionIndex"))->number(), 8.0f);
  EXPECT_EQ(narrow(written.lookup(SYM(L"selection"))->string()), "l8");

  // An index past the last line selects none, so nothing reads beyond the
  // contents.
  list->load(dictionaryOf(L"( selectionIndex: 12 )"));
  EXPECT_EQ(list->selection(), -1);
  quip::Dictionary none;
  list->write(none);
  EXPECT_EQ(none.lookup(SYM(L"selectionIndex"))->number(), -1.0f);
  EXPECT_EQ(none.lookup(SYM(L"selection")), nullptr);
}

TEST_F(MultiLineTest, OnlyLinesInTheWindowDrawAndTheSelectedOneIsFilled) {
  addList(Ten);
  list->select(1);
  testing_support::RecordingCanvas canvas;
  list->draw(canvas);
  // The outline's four lines and the window, then one separator per line
  // that reaches into the window (lines 0 to 5: line 5's top is the
  // window's bottom), with two fills for the selected line.
  EXPECT_EQ(canvas.drawn.size(), 4u + 1u + 6u + 2u);
  list->select(-1);
  list->setPercent(1.0f);
  canvas.drawn.clear();
  list->draw(canvas);
  EXPECT_EQ(canvas.drawn.size(), 4u + 1u + 6u);
}
