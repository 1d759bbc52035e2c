// The text box on a page: focus by a press, characters and keys only while
// focused, and the scripts its text box's reports run.

#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/TextBoxWidget.h"
#include "input/Key.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using framework::InputEvent;

namespace {

class TextBoxWidgetTest : public GuiTest {
protected:
  // At (100, 200); the box spans x 100 to 200 and y 160 to 200, each
  // character 8 wide and the first line's middle at y 195.
  GUI::TextBoxWidget *addBox(const wchar_t *textBox = L"( )") {
    page = shownPage();
    auto *widget = new GUI::TextBoxWidget;
    widget->load(
        dictionaryOf(L"( textBox: ( font: font: alignment: [ 0 0.5 ] boxPosition: [ 0 -40 ] "
                     L"boxSize: [ 100 40 ] text: \"ab\" ) "
                     L"onChange: { \"changed\" note } onEnter: { \"entered\" note } )"));
    widget->textBox().load(dictionaryOf(textBox));
    widget->setPosition(math::Vector2(100, 200));
    page->addChild(widget);
    return widget;
  }
  bool press(int x, int y) { return page->handleEvent(pointer(InputEvent::BUTTON_DOWN, x, y)); }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
};

TEST_F(TextBoxWidgetTest, APressInsidePlacesTheCursorAndTakesTheFocus) {
  GUI::TextBoxWidget *widget = addBox();
  EXPECT_TRUE(press(109, 195));
  EXPECT_EQ(page->keyboardFocus(), widget);
  EXPECT_EQ(widget->textBox().cursorColumn(), 1u);
  EXPECT_FALSE(press(20, 20));
  EXPECT_EQ(page->keyboardFocus(), nullptr);
}

TEST_F(TextBoxWidgetTest, ABoxThatNeitherEditsNorShowsACursorLetsThePressGo) {
  addBox(L"( editable: false: showCursor: false: )");
  EXPECT_FALSE(press(109, 195));
  EXPECT_EQ(page->keyboardFocus(), nullptr);
}

TEST_F(TextBoxWidgetTest, WithoutTheFocusCharactersAndKeysTravelOn) {
  GUI::TextBoxWidget *widget = addBox();
  EXPECT_FALSE(page->handleEvent(key('x', 0, InputEvent::CHARACTER)));
  EXPECT_FALSE(page->handleEvent(key(framework::KEY_LEFT)));
  EXPECT_EQ(narrow(widget->textBox().text()), "ab");
  EXPECT_EQ(g_log, "");
}

TEST_F(TextBoxWidgetTest, EachKeyRunsOnChangeAndReturnTypesANewline) {
  struct Case {
    const char *name;
    InputEvent event;
    bool consumed;
    const char *text, *log;
  };
  const Case cases[] = {
      {"an arrow key", key(framework::KEY_LEFT), true, "ab", "changed "},
      {"the return key", key(framework::KEY_RETURN), true, "ab", "changed "},
      {"return typed", key(framework::KEY_RETURN, 0, InputEvent::CHARACTER), true, "ab\n",
       "changed "},
      {"a letter typed", key('x', 0, InputEvent::CHARACTER), true, "abx", "changed "},
      {"a control character typed", key(7, 0, InputEvent::CHARACTER), false, "ab", ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    GUI::TextBoxWidget *widget = addBox();
    widget->textBox().setCursor(0, 2);
    page->setKeyboardFocus(widget);
    g_log.clear();
    EXPECT_EQ(page->handleEvent(c.event), c.consumed);
    EXPECT_EQ(narrow(widget->textBox().text()), c.text);
    EXPECT_EQ(g_log, c.log);
    page->removeChild(widget);
  }
}

TEST_F(TextBoxWidgetTest, TheDictionaryMayReportAnEntryAndTheWidgetWritesItsLines) {
  GUI::TextBoxWidget *widget = addBox(L"( text: \"ab\\ncd\" )");
  widget->load(dictionaryOf(L"( entered: true: )"));
  EXPECT_EQ(g_log, "entered ");
  quip::Dictionary written;
  widget->write(written);
  EXPECT_EQ(narrow(written.lookup(SYM(L"text"))->string()), "ab\ncd");
  const quip::Array &lines = written.lookup(SYM(L"lines"))->array();
  ASSERT_EQ(lines.count(), 2u);
  EXPECT_EQ(narrow(lines[1].string()), "cd");
  EXPECT_EQ(widget->localRectangle(), rect(0, -40, 100, 40));

  widget->textBox().setText(String());
  widget->write(written);
  ASSERT_EQ(written.lookup(SYM(L"lines"))->array().count(), 1u);
}

TEST_F(TextBoxWidgetTest, TheCursorDrawsOnlyWithTheFocus) {
  GUI::TextBoxWidget *widget = addBox(L"( style: none: )");
  widget->textBox().setCursor(0, 2);
  page->update(0.0f);
  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  EXPECT_EQ(canvas.drawn.size(), 0u);
  page->setKeyboardFocus(widget);
  page->render(canvas);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  // 2 wide, one line high, after "ab".
  EXPECT_EQ(canvas.drawn[0].placed(1), math::Vector3(116, 190, 0));
}

} // namespace
