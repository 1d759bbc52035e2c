#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/TextEntry.h"
#include "gui/TextEntryListener.h"
#include "input/Key.h"
#include "support/RecordingCanvas.h"
#include "xstring/Clipboard.h"

#include <vector>

using namespace guitest;
using framework::InputEvent;

namespace {

constexpr uint32_t SHIFT = framework::MOD_LEFT_SHIFT, CTRL = framework::MOD_LEFT_CTRL;

struct Press {
  int32_t key;
  uint32_t modifiers;
};

const Press HOME{framework::KEY_HOME, 0}, END{framework::KEY_END, 0}, LEFT{framework::KEY_LEFT, 0},
    RIGHT{framework::KEY_RIGHT, 0}, SHIFT_RIGHT{framework::KEY_RIGHT, SHIFT},
    SHIFT_END{framework::KEY_END, SHIFT}, BACKSPACE{framework::KEY_BACKSPACE, 0},
    DELETE_KEY{framework::KEY_DELETE, 0}, RETURN{framework::KEY_RETURN, 0}, UNDO{'z', CTRL},
    CUT{'x', CTRL}, COPY{'c', CTRL}, PASTE{'v', CTRL};

// A clipboard that keeps one text; reading fails while it is empty.
std::wstring g_clipboard;

class NotingEntryListener : public GUI::TextEntryListener {
public:
  void entered(GUI::TextEntry *) override { note("listener.entered"); }
  void changed(GUI::TextEntry *) override { note("listener.changed"); }
};

class TextEntryTest : public GuiTest {
protected:
  TextEntryTest() {
    g_clipboard.clear();
    xstring::ClipboardService service;
    service.read = [](String &text) {
      if (g_clipboard.empty())
        return false;
      text = String(g_clipboard.c_str());
      return true;
    };
    service.write = [](const String &text) { g_clipboard = text.c_str(); };
    xstring::installClipboard(service);
  }
  ~TextEntryTest() override { xstring::installClipboard(xstring::ClipboardService()); }

  // At (100, 200) of a shown page; the text starts at the origin, each
  // character 8 wide, and the box spans x 98 to 198 and y 190 to 210.
  GUI::TextEntry *addEntry(const wchar_t *settings = L"( )") {
    page = shownPage();
    auto *entry = new GUI::TextEntry;
    entry->load(dictionaryOf(
        L"( font: font: alignment: [ 0 0.5 ] boxSize: [ 100 20 ] boxPosition: [ -2 -10 ] "
        L"onChange: { \"changed\" note } onEnter: { \"entered\" note } )"));
    entry->load(dictionaryOf(settings));
    entry->setPosition(math::Vector2(100, 200));
    page->addChild(entry);
    return entry;
  }
  // A press of the left button alone.
  bool press(int x, int y, uint32_t clicks = 1) {
    InputEvent e = pointer(InputEvent::BUTTON_DOWN, x, y);
    e.buttons = InputEvent::BUTTON_LEFT;
    e.clicks = clicks;
    return page->handleEvent(e);
  }
  void focus(GUI::TextEntry *entry) {
    page->setKeyboardFocus(entry);
    g_log.clear();
  }
  bool keys(std::initializer_list<Press> presses) {
    bool consumed = true;
    for (const Press &p : presses)
      consumed = page->handleEvent(key(p.key, p.modifiers)) && consumed;
    return consumed;
  }
  // A key press and its character record each, as typing gives them.
  void type(const wchar_t *text) {
    for (const wchar_t *c = text; *c; ++c) {
      page->handleEvent(key(*c));
      page->handleEvent(key(*c, 0, InputEvent::CHARACTER));
    }
  }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
};

TEST_F(TextEntryTest, ATypedCharacterIsRefusedAtALimitAfterReplacingTheSelection) {
  struct Case {
    const wchar_t *settings, *typed;
    const char *expected;
  };
  const Case cases[] = {
      {L"( maxChars: 3 )", L"xyzq", "xyz"},
      // 16 wide with two characters: a third would reach the most width.
      {L"( maxWidth: 24.9 )", L"abc", "ab"},
      {L"( maxWidth: 25 )", L"abcd", "abc"},
      {L"( )", L"abcd", "abcd"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    GUI::TextEntry *entry = addEntry(c.settings);
    focus(entry);
    type(c.typed);
    EXPECT_EQ(narrow(entry->text()), c.expected);
    page->removeChild(entry);
  }

  GUI::TextEntry *entry = addEntry(L"( maxChars: 3 text: \"xyz\" )");
  focus(entry);
  // Refused: consumed, unchanged, nothing told.
  EXPECT_TRUE(page->handleEvent(key('q', 0, InputEvent::CHARACTER)));
  EXPECT_EQ(g_log, "");
  entry->selectAll();
  type(L"w");
  EXPECT_EQ(narrow(entry->text()), "w");
  EXPECT_EQ(entry->cursor(), 1u);
  EXPECT_EQ(entry->anchor(), 1u);
  EXPECT_EQ(g_log, "changed ");
}

TEST_F(TextEntryTest, OnlyAcceptableCharactersAreConsumedAndInserted) {
  struct Case {
    const wchar_t *settings;
    wchar_t c;
    bool keyConsumed, inserted;
  };
  const Case cases[] = {
      {L"( filter: \"0123456789\" )", L'a', false, false},
      {L"( filter: \"0123456789\" )", L'5', true, true},
      {L"( )", L'a', true, true},
      {L"( )", 256, true, true},
      {L"( )", 257, false, false},
      {L"( )", 1000, false, false},
      {L"( )", 31, false, false},
      {L"( )", 1, false, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(int(c.c));
    GUI::TextEntry *entry = addEntry(c.settings);
    focus(entry);
    EXPECT_EQ(page->handleEvent(key(c.c)), c.keyConsumed);
    EXPECT_EQ(page->handleEvent(key(c.c, 0, InputEvent::CHARACTER)), c.inserted);
    EXPECT_EQ(entry->text().length(), c.inserted ? 1u : 0u);
    EXPECT_EQ(g_log, c.inserted ? "changed " : "");
    page->removeChild(entry);
  }
}

TEST_F(TextEntryTest, EditingKeysChangeTheTextAndRunOnChangeOnlyWhenItChanged) {
  struct Case {
    const char *name;
    std::vector<Press> presses;
    const char *text;
    uint32_t cursor, anchor;
    const char *log;
  };
  const Case cases[] = {
      {"backspace at the end", {BACKSPACE}, "ab", 2, 2, "changed "},
      {"backspace at the start", {HOME, BACKSPACE}, "abc", 0, 0, ""},
      {"delete at the start", {HOME, DELETE_KEY}, "bc", 0, 0, "changed "},
      {"delete at the end", {DELETE_KEY}, "abc", 3, 3, ""},
      {"delete a selection", {HOME, SHIFT_RIGHT, SHIFT_RIGHT, DELETE_KEY}, "c", 0, 0, "changed "},
      {"backspace a selection",
       {LEFT, {framework::KEY_HOME, SHIFT}, BACKSPACE},
       "c",
       0,
       0,
       "changed "},
      {"return", {RETURN}, "abc", 3, 3, "entered changed "},
      {"undo", {BACKSPACE, UNDO}, "abc", 3, 3, "changed changed "},
      {"undo twice", {BACKSPACE, UNDO, UNDO}, "ab", 2, 2, "changed changed changed "},
      {"undo without a change", {UNDO}, "abc", 3, 3, ""},
      {"ctrl moves to the ends", {{framework::KEY_LEFT, CTRL}}, "abc", 0, 0, ""},
      {"shift extends", {HOME, SHIFT_END}, "abc", 3, 0, ""},
      {"a move drops the selection", {HOME, SHIFT_END, LEFT}, "abc", 2, 2, ""},
      {"moves stop at the ends", {RIGHT, HOME, LEFT}, "abc", 0, 0, ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    GUI::TextEntry *entry = addEntry(L"( text: \"abc\" )");
    focus(entry);
    for (const Press &p : c.presses)
      EXPECT_TRUE(page->handleEvent(key(p.key, p.modifiers)));
    EXPECT_EQ(narrow(entry->text()), c.text);
    EXPECT_EQ(entry->cursor(), c.cursor);
    EXPECT_EQ(entry->anchor(), c.anchor);
    EXPECT_EQ(g_log, c.log);
    page->removeChild(entry);
  }
}

TEST_F(TextEntryTest, ListenersHearChangesAndEntries) {
  GUI::TextEntry *entry = addEntry(L"( text: \"a\" )");
  NotingEntryListener listener;
  entry->addListener(&listener);
  focus(entry);
  keys({RETURN});
  EXPECT_EQ(g_log, "entered listener.entered changed listener.changed ");
}

TEST_F(TextEntryTest, TheClipboardCopiesCutsAndPastes) {
  GUI::TextEntry *entry = addEntry(L"( text: \"abcd\" maxChars: 5 )");
  focus(entry);
  EXPECT_TRUE(keys({HOME, SHIFT_RIGHT, SHIFT_RIGHT, COPY}));
  EXPECT_EQ(g_clipboard, L"ab");
  EXPECT_EQ(narrow(entry->text()), "abcd");
  EXPECT_TRUE(keys({CUT}));
  EXPECT_EQ(narrow(entry->text()), "cd");
  EXPECT_EQ(g_log, "changed ");

  // Pasted at the end: one change, and what passes the limit is refused.
  g_log.clear();
  g_clipboard = L"x\ty z";
  EXPECT_TRUE(keys({END, PASTE}));
  EXPECT_EQ(narrow(entry->text()), "cdxy ");
  EXPECT_EQ(entry->cursor(), 5u);
  EXPECT_EQ(entry->anchor(), 5u);
  EXPECT_EQ(g_log, "changed ");

  // An empty clipboard pastes nothing, and the key is still consumed.
  g_log.clear();
  g_clipboard.clear();
  EXPECT_TRUE(keys({BACKSPACE, PASTE}));
  EXPECT_EQ(narrow(entry->text()), "cdxy");
  EXPECT_EQ(g_log, "changed ");

  // Without a selection copying leaves the clipboard as it was.
  g_clipboard = L"kept";
  EXPECT_TRUE(keys({COPY}));
  EXPECT_EQ(g_clipboard, L"kept");
}

TEST_F(TextEntryTest, ANonEditableEntryMovesItsCursorButChangesNothing) {
  GUI::TextEntry *entry = addEntry(L"( text: \"abc\" editable: false: )");
  focus(entry);
  EXPECT_TRUE(keys({LEFT}));
  EXPECT_EQ(entry->cursor(), 2u);
  EXPECT_FALSE(page->handleEvent(key(framework::KEY_BACKSPACE)));
  EXPECT_FALSE(page->handleEvent(key(framework::KEY_RETURN)));
  // Delete's code (127) counts as an acceptable character.
  EXPECT_TRUE(page->handleEvent(key(framework::KEY_DELETE)));
  // Ctrl+z falls through to the character rule: "z" is acceptable.
  EXPECT_TRUE(page->handleEvent(key('z', CTRL)));
  EXPECT_FALSE(page->handleEvent(key('q', 0, InputEvent::CHARACTER)));
  EXPECT_EQ(narrow(entry->text()), "abc");
  EXPECT_EQ(g_log, "");
  quip::Dictionary written;
  entry->write(written);
  EXPECT_EQ(narrow(written.lookup(SYM(L"text"))->string()), "abc");
  EXPECT_FALSE(written.lookup(SYM(L"editable"))->toBool());
}

TEST_F(TextEntryTest, WithoutTheFocusKeysAndCharactersTravelOn) {
  GUI::TextEntry *entry = addEntry(L"( text: \"abc\" )");
  EXPECT_FALSE(page->handleEvent(key(framework::KEY_BACKSPACE)));
  EXPECT_FALSE(page->handleEvent(key('q')));
  EXPECT_FALSE(page->handleEvent(key('q', 0, InputEvent::CHARACTER)));
  EXPECT_EQ(narrow(entry->text()), "abc");
  quip::Dictionary written;
  entry->write(written);
  EXPECT_EQ(written.lookup(SYM(L"editable")), nullptr);
}

TEST_F(TextEntryTest, AClickPutsTheCursorAtTheNearerBoundaryTheLaterOnATie) {
  struct Case {
    int x;
    uint32_t cursor;
  };
  // Boundaries of "ab" at x 100, 108 and 116.
  const Case cases[] = {{90, 0}, {103, 0}, {104, 1}, {105, 1}, {112, 2}, {111, 1}, {150, 2}};
  GUI::TextEntry *entry = addEntry(L"( text: \"ab\" )");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.x);
    if (c.x < 98 || c.x > 198) {
      EXPECT_EQ(entry->indexAt(math::Vector2(float(c.x), 200)), c.cursor);
      continue;
    }
    EXPECT_TRUE(press(c.x, 200));
    EXPECT_EQ(entry->cursor(), c.cursor);
    EXPECT_EQ(entry->anchor(), c.cursor);
  }
  EXPECT_EQ(page->keyboardFocus(), entry);
  EXPECT_EQ(page->pointerCapture(), entry);
}

TEST_F(TextEntryTest, ADoubleClickSelectsAllAndShiftMovesOnlyTheCursor) {
  GUI::TextEntry *entry = addEntry(L"( text: \"abc\" )");
  EXPECT_TRUE(press(120, 200));
  EXPECT_TRUE(press(120, 200, 2));
  EXPECT_EQ(entry->cursor(), 0u);
  EXPECT_EQ(entry->anchor(), 3u);
  EXPECT_EQ(narrow(entry->selectedText()), "abc");
  EXPECT_TRUE(keys({SHIFT_RIGHT}));
  EXPECT_EQ(entry->cursor(), 1u);
  EXPECT_EQ(entry->anchor(), 3u);
  EXPECT_EQ(narrow(entry->selectedText()), "bc");
}

TEST_F(TextEntryTest, DraggingSelectsAndAPressElsewhereLetsGo) {
  GUI::TextEntry *entry = addEntry(L"( text: \"abcd\" )");
  EXPECT_TRUE(press(108, 200));
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 124, 200)));
  EXPECT_EQ(entry->anchor(), 1u);
  EXPECT_EQ(entry->cursor(), 3u);
  // After the release a motion no longer selects.
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 124, 200)));
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 132, 200)));
  EXPECT_EQ(entry->cursor(), 3u);
  EXPECT_EQ(page->pointerCapture(), entry);

  EXPECT_FALSE(press(20, 20));
  EXPECT_EQ(page->keyboardFocus(), nullptr);
  EXPECT_EQ(page->pointerCapture(), nullptr);
  // Losing the focus drops the selection.
  EXPECT_EQ(entry->anchor(), 3u);
}

TEST_F(TextEntryTest, TheCursorBlinksAndFollowsTheText) {
  GUI::TextEntry *entry = addEntry(L"( text: \"ab\" )");
  focus(entry);
  EXPECT_TRUE(entry->cursorVisible());
  page->update(0.3f);
  EXPECT_TRUE(entry->cursorVisible());
  page->update(0.3f);
  EXPECT_FALSE(entry->cursorVisible());
  EXPECT_EQ(entry->cursorPosition().x, 17);
  EXPECT_EQ(entry->cursorPosition().y, 0);
  // A key shows the cursor again.
  keys({LEFT});
  EXPECT_TRUE(entry->cursorVisible());
  page->update(0.0f);
  EXPECT_EQ(entry->cursorPosition().x, 9);
}

TEST_F(TextEntryTest, KeysOfTheDictionary) {
  GUI::TextEntry *entry =
      addEntry(L"( text: \"abc\" selectAll: true: style: underline: tooltip: \"tip\" "
               L"changed: true: entered: true: )");
  EXPECT_EQ(entry->cursor(), 3u);
  EXPECT_EQ(entry->anchor(), 0u);
  EXPECT_EQ(entry->style(), int(GUI::TextEntry::UNDERLINE));
  EXPECT_EQ(narrow(entry->tooltip()), "tip");
  EXPECT_EQ(g_log, "changed entered ");
  // The box style grows the bounds by 1; an unknown style keeps the style.
  EXPECT_EQ(entry->localRectangle(), rect(-2, -10, 100, 20));
  entry->load(dictionaryOf(L"( style: box: )"));
  EXPECT_EQ(entry->localRectangle(), rect(-3, -11, 102, 22));
  entry->load(dictionaryOf(L"( style: round: boxSize: [ 40 10 ] )"));
  EXPECT_EQ(entry->style(), int(GUI::TextEntry::BOX));
  EXPECT_EQ(entry->boxPosition().x, -20);
  EXPECT_EQ(entry->boxPosition().y, -5);
}

TEST_F(TextEntryTest, TheCursorBarDrawsOnlyWithTheFocus) {
  GUI::TextEntry *entry = addEntry(L"( text: \"ab\" style: none: )");
  page->update(0.0f);
  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  // The text's glyphs have no texture: nothing at all is drawn.
  EXPECT_EQ(canvas.drawn.size(), 0u);
  focus(entry);
  page->update(0.0f);
  page->render(canvas);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  // 2 wide and one line high, round the cursor at x 17.
  EXPECT_EQ(canvas.drawn[0].placed(1), math::Vector3(116, 195, 0));
  EXPECT_EQ(canvas.drawn[0].placed(2), math::Vector3(118, 205, 0));
}

TEST_F(TextEntryTest, TheBoxAndTheSelectionAreFilled) {
  struct Case {
    const wchar_t *settings;
    size_t fills;
  };
  // Box: the black rim and the face; with a selection one more.
  const Case cases[] = {{L"( text: \"ab\" )", 2}, {L"( text: \"ab\" selectAll: true: )", 3}};
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    GUI::TextEntry *entry = addEntry(c.settings);
    testing_support::RecordingCanvas canvas;
    page->render(canvas);
    ASSERT_EQ(canvas.drawn.size(), c.fills);
    EXPECT_EQ(canvas.drawn[0].placed(1), math::Vector3(97, 189, 0));
    if (c.fills == 3) {
      // Over the whole text, 0.8 of the box high round its middle.
      EXPECT_EQ(canvas.drawn[2].placed(1), math::Vector3(100, 192, 0));
      EXPECT_EQ(canvas.drawn[2].placed(2), math::Vector3(116, 208, 0));
    }
    page->removeChild(entry);
  }
}

} // namespace
