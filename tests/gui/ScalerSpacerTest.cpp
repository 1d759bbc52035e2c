#include "GuiTestSupport.h"

#include "gui/ButtonListener.h"
#include "gui/DictionaryRead.h"
#include "gui/Scaler.h"
#include "gui/Spacer.h"

using namespace guitest;
using framework::InputEvent;

namespace {

// Shows a number as its "text"; loading "entered" true counts an entry.
class NumberField : public GUI::Widget {
public:
  void write(quip::Dictionary &d) const override {
    Widget::write(d);
    d.set(SYM(L"text"), quip::Token(text));
    if (!editable)
      d.set(SYM(L"editable"), quip::Token(quip::falseSymbol(), false));
  }
  void load(const quip::Dictionary &d) override {
    Widget::load(d);
    GUI::readString(d, SYM(L"text"), text);
    bool entered = false;
    GUI::readTruth(d, SYM(L"entered"), entered);
    entries += entered ? 1 : 0;
  }
  String text;
  bool editable = true;
  int entries = 0;
};

class NotesDown : public GUI::ButtonListener {
public:
  void down(GUI::Button *) override { note("down"); }
};

class ScalerTest : public GuiTest {
protected:
  // A scaler at (100, 100), 20 pixels square, editing a field.
  GUI::Scaler *addScaler(const wchar_t *settings, const wchar_t *number) {
    page = shownPage();
    field = new NumberField;
    field->text = String(number);
    page->addChild(field);
    auto *scaler = new GUI::Scaler;
    scaler->load(dictionaryOf(settings));
    scaler->setHitArea(new math::Rectangle(20, 20, true));
    scaler->setPosition(math::Vector2(100, 100));
    scaler->setAlign(0, 0);
    scaler->setTarget(field);
    scaler->addListener(&listener);
    page->addChild(scaler);
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    return scaler;
  }
  bool drag(int dy) {
    InputEvent move = pointer(InputEvent::POINTER_MOTION, 100, 100);
    move.motion = math::Vector2i(0, dy);
    return page->handleEvent(move);
  }
  bool rightClick() {
    InputEvent press = pointer(InputEvent::BUTTON_DOWN, 100, 100);
    press.button = InputEvent::BUTTON_RIGHT;
    return page->handleEvent(press);
  }

  GUI::Page *page = nullptr;
  NumberField *field = nullptr;
  NotesDown listener;
};

TEST_F(ScalerTest, DragsChangeTheNumberWithinItsBounds) {
  struct Case {
    const wchar_t *settings;
    const wchar_t *start;
    int dy;
    const wchar_t *expected;
    int entries;
  };
  const Case cases[] = {
      {L"( min: 0 max: 10 )", L"8", 5, L"10", 1}, {L"( min: 0 max: 10 )", L"10", 3, L"10", 0},
      {L"( min: 0 max: 10 )", L"2", -5, L"0", 1}, {L"( scale: 0.5 )", L"1", -4, L"-1", 1},
      {L"( scale: 2 )", L"abc", 2, L"4", 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)) + " " + narrow(String(c.start)));
    GUI::Scaler *scaler = addScaler(c.settings, c.start);
    scaler->setOnMove(code(L"\"moved\" note"));
    ASSERT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 100, 100)));
    g_log.clear();
    EXPECT_TRUE(drag(c.dy));
    EXPECT_EQ(narrow(field->text), narrow(String(c.expected)));
    EXPECT_EQ(field->entries, c.entries);
    EXPECT_EQ(g_log, "moved ");
    // No vertical motion: consumed, nothing runs.
    EXPECT_TRUE(drag(0));
    EXPECT_EQ(g_log, "moved ");
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(ScalerTest, ARightClickResetsToTheMinimumOrZero) {
  struct Case {
    const wchar_t *settings;
    const wchar_t *start;
    const wchar_t *expected;
    const char *log;
  };
  const Case cases[] = {
      {L"( )", L"7", L"0", "down moved "},
      {L"( min: 2 )", L"7", L"2", "down moved "},
      // Already there: no down, but onMove all the same.
      {L"( min: 0 )", L"0", L"0", "moved "},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)) + " " + narrow(String(c.start)));
    GUI::Scaler *scaler = addScaler(c.settings, c.start);
    scaler->setOnMove(code(L"\"moved\" note"));
    g_log.clear();
    EXPECT_TRUE(rightClick());
    EXPECT_EQ(narrow(field->text), narrow(String(c.expected)));
    EXPECT_EQ(g_log, c.log);
    GUI::PageFactory::destroyInstance();
  }
}

// Neither a target that may not be edited nor a missing one takes a drag
// or a right click.
TEST_F(ScalerTest, WithoutAnEditableTargetNothingIsConsumedOrChanged) {
  for (bool hasTarget : {true, false}) {
    SCOPED_TRACE(hasTarget ? "not editable" : "no target");
    GUI::Scaler *scaler = addScaler(L"( min: 0 max: 10 )", L"8");
    scaler->setOnMove(code(L"\"moved\" note"));
    field->editable = false;
    if (!hasTarget)
      scaler->setTarget(nullptr);
    g_log.clear();
    EXPECT_FALSE(rightClick());
    ASSERT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 100, 100)));
    EXPECT_EQ(scaler->pressMode(), GUI::Button::PRESSED);
    g_log.clear();
    EXPECT_FALSE(drag(5));
    EXPECT_EQ(narrow(field->text), "8");
    EXPECT_EQ(field->entries, 0);
    EXPECT_EQ(g_log, "");
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(ScalerTest, KeysAfterThePushButtonsAndScaleWritten) {
  GUI::Scaler scaler;
  scaler.load(dictionaryOf(L"( scale: 3 max: 4 )"));
  quip::Dictionary written;
  scaler.write(written);
  float scale = 0;
  GUI::readValue(written, SYM(L"scale"), scale);
  EXPECT_EQ(scale, 3.0f);
}

using SpacerTest = GuiTest;

TEST_F(SpacerTest, ItsSizeIsCentredOrFromItsOrigin) {
  GUI::Spacer spacer;
  spacer.load(dictionaryOf(L"( size: [ 40 20 ] )"));
  EXPECT_EQ(spacer.localRectangle(), rect(-20, -10, 40, 20));
  spacer.load(dictionaryOf(L"( centered: false: )"));
  EXPECT_EQ(spacer.localRectangle(), rect(0, 0, 40, 20));
}

} // namespace
