// The multi-line text box: breaking into lines under its limits, the cursor
// by line and column, typing and keys, placing the cursor and drawing.

#include "TextTestSupport.h"

#include "input/Key.h"
#include "quip/Dictionary.h"
#include "quip/Token.h"
#include "text/TextBox.h"
#include "text/TextBoxListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace {

std::string narrow(const String &text) {
  std::string out;
  for (uint32_t i = 0; i < text.length(); ++i)
    out += char(text[i]);
  return out;
}

class CountingListener : public text::TextBoxListener {
public:
  void textChanged(text::TextBox *) override { ++changes; }
  void textEntered(text::TextBox *) override { ++entries; }
  int changes = 0, entries = 0;
};

// Every character 10 wide, lines 10 high and 2 apart: line i's top is at
// -12 i and its middle at -12 i - 5.
class TextBoxTest : public testing::Test {
protected:
  TextBoxTest() {
    box.setFont(font.get());
    box.fixedWidth = true;
    box.fixedAdvance = 10.0f;
    box.addListener(&listener);
  }
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (uint32_t i = 0; i < box.lines().size(); ++i)
      out.push_back(narrow(box.lines()[i].text) + (box.lines()[i].hardBreak ? "|" : ""));
    return out;
  }
  void expectCursor(uint32_t line, uint32_t column) {
    EXPECT_EQ(box.cursorLine(), line);
    EXPECT_EQ(box.cursorColumn(), column);
  }

  std::unique_ptr<TextureSimple> texture = whiteTexture(Symbol::intern(L"boxes"));
  std::unique_ptr<Font> font = boxFont(texture.get(), {{L'o', 10}}, 0.0f);
  text::TextBox box;
  CountingListener listener;
};

TEST_F(TextBoxTest, TextBreaksIntoLinesUnderItsLimits) {
  struct Case {
    const char *name;
    const wchar_t *text;
    float maxWidth;
    int maxChars;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a hard break", L"ab\ncd", -1, -1, {"ab|", "cd"}},
      {"a trailing newline leaves an empty line", L"ab\n", -1, -1, {"ab|", ""}},
      {"two newlines", L"\n\n", -1, -1, {"|", "|", ""}},
      {"nothing", L"", -1, -1, {}},
      {"words wrap with their spaces", L"ab cd ef", 60, -1, {"ab cd ", "ef"}},
      {"a long word is cut, and the next words follow its end",
       L"abcdefg i",
       50,
       -1,
       {"abcde", "fg i"}},
      {"a long word over three lines", L"abcdefgh", 30, -1, {"abc", "def", "gh"}},
      {"characters per line", L"abcd ef", -1, 3, {"abc", "d ", "ef"}},
      {"no characters per line still breaks", L"abc", -1, 0, {"a", "b", "c"}},
      {"no width still breaks", L"ab", 0, -1, {"a", "b"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    box.maxWidth = c.maxWidth;
    box.maxChars = c.maxChars;
    box.setText(String(c.text));
    EXPECT_EQ(lines(), c.lines);
    EXPECT_EQ(box.lineCount(), c.lines.empty() ? 1u : uint32_t(c.lines.size()));
  }
}

TEST_F(TextBoxTest, RelayoutAnswersWhetherTheLinesFit) {
  struct Case {
    int maxLines, maxHeight;
    bool fits;
  };
  // Three lines are 34 high.
  const Case cases[] = {
      {-1, -1, true}, {3, -1, true}, {2, -1, false}, {-1, 34, true}, {-1, 33, false}};
  box.setText(String(L"a\nb\nc"));
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.maxLines << " " << c.maxHeight);
    box.maxLines = c.maxLines;
    box.maxHeight = c.maxHeight;
    EXPECT_EQ(box.relayout(), c.fits);
    EXPECT_EQ(box.lineCount(), 3u);
  }
}

TEST_F(TextBoxTest, IndexesAndLinePositionsMatch) {
  box.setText(String(L"ab\ncd"));
  struct Case {
    uint32_t index, line, column;
  };
  const Case cases[] = {{0, 0, 0}, {2, 0, 2}, {3, 1, 0}, {5, 1, 2}, {9, 1, 2}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.index);
    uint32_t line = 99, column = 99;
    box.positionOf(c.index, line, column);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(column, c.column);
    if (c.index <= 5) {
      EXPECT_EQ(box.indexOf(c.line, c.column), c.index);
    }
  }
}

TEST_F(TextBoxTest, KeysMoveAndEditTheCursorAndEveryOneTellsOfAChange) {
  struct Case {
    const char *name;
    uint32_t line, column;
    std::vector<std::pair<int, uint32_t>> keys;
    const char *text;
    uint32_t toLine, toColumn;
  };
  using framework::KEY_BACKSPACE, framework::KEY_DELETE, framework::KEY_LEFT, framework::KEY_RIGHT,
      framework::KEY_UP, framework::KEY_DOWN, framework::KEY_HOME, framework::KEY_END;
  const uint32_t CTRL = framework::MOD_LEFT_CTRL;
  const Case cases[] = {
      {"right at a line's end goes to the next line", 0, 2, {{KEY_RIGHT, 0}}, "ab\ncde", 1, 0},
      {"right at the text's end stays", 1, 3, {{KEY_RIGHT, 0}}, "ab\ncde", 1, 3},
      {"left at a line's start goes to the end before", 1, 0, {{KEY_LEFT, 0}}, "ab\ncde", 0, 2},
      {"left at the start stays", 0, 0, {{KEY_LEFT, 0}}, "ab\ncde", 0, 0},
      {"ctrl moves to the line's ends", 1, 1, {{KEY_RIGHT, CTRL}}, "ab\ncde", 1, 3},
      {"up keeps the column within the line", 1, 3, {{KEY_UP, 0}}, "ab\ncde", 0, 2},
      {"down on the last line stays", 1, 1, {{KEY_DOWN, 0}}, "ab\ncde", 1, 1},
      {"home and end", 1, 1, {{KEY_END, 0}, {KEY_HOME, 0}}, "ab\ncde", 1, 0},
      {"backspace joins the lines", 1, 0, {{KEY_BACKSPACE, 0}}, "abcde", 0, 2},
      {"backspace at the start", 0, 0, {{KEY_BACKSPACE, 0}}, "ab\ncde", 0, 0},
      {"delete the newline", 0, 2, {{KEY_DELETE, 0}}, "abcde", 0, 2},
      {"delete at the end", 1, 3, {{KEY_DELETE, 0}}, "ab\ncde", 1, 3},
      {"any other key", 0, 1, {{'q', 0}}, "ab\ncde", 0, 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    box.setText(String(L"ab\ncde"));
    box.setCursor(c.line, c.column);
    listener.changes = 0;
    for (auto [key, modifiers] : c.keys)
      EXPECT_TRUE(box.keyPress(key, modifiers));
    EXPECT_EQ(narrow(box.text()), c.text);
    expectCursor(c.toLine, c.toColumn);
    EXPECT_EQ(listener.changes, int(c.keys.size()));
  }
}

TEST_F(TextBoxTest, TypedCharactersAreTakenOnlyWhereTheLimitsAllow) {
  struct Case {
    const char *name;
    const wchar_t *filter;
    int maxChars, maxLines;
    bool editable;
    int code;
    bool taken;
    const char *text;
    int changes;
  };
  const Case cases[] = {
      {"a letter", L"", -1, -1, true, 'x', true, "abx", 1},
      {"return is a newline", L"", -1, -1, true, framework::KEY_RETURN, true, "ab\n", 1},
      {"keypad enter too", L"", -1, -1, true, framework::KEY_KP_ENTER, true, "ab\n", 1},
      {"a control character", L"", -1, -1, true, 9, false, "ab", 0},
      {"past 256", L"", -1, -1, true, 300, false, "ab", 0},
      {"outside the filter", L"abc", -1, -1, true, 'x', false, "ab", 0},
      {"inside the filter", L"abc", -1, -1, true, 'c', true, "abc", 1},
      {"not editable", L"", -1, -1, false, 'x', false, "ab", 0},
      {"at most characters", L"", 2, -1, true, 'x', true, "ab", 0},
      {"past the most lines", L"", -1, 1, true, framework::KEY_RETURN, true, "ab", 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    box.filter = String(c.filter);
    box.maxChars = c.maxChars;
    box.maxLines = c.maxLines;
    box.editable = c.editable;
    box.setText(String(L"ab"));
    box.setCursor(0, 2);
    listener.changes = 0;
    EXPECT_EQ(box.insertCharacter(c.code), c.taken);
    EXPECT_EQ(narrow(box.text()), c.text);
    EXPECT_EQ(listener.changes, c.changes);
    if (c.changes == 0)
      expectCursor(0, 2);
  }
}

TEST_F(TextBoxTest, ATypedNewlineMovesTheCursorToTheNewLine) {
  box.setText(String(L"abcd"));
  box.setCursor(0, 2);
  EXPECT_TRUE(box.insertCharacter(framework::KEY_RETURN));
  EXPECT_EQ(narrow(box.text()), "ab\ncd");
  expectCursor(1, 0);
}

TEST_F(TextBoxTest, ACharacterPastTheMostLinesChangesNothing) {
  box.maxWidth = 20;
  box.maxLines = 1;
  box.setText(String(L"ab"));
  box.setCursor(0, 2);
  EXPECT_TRUE(box.insertCharacter('c'));
  EXPECT_EQ(narrow(box.text()), "ab");
  EXPECT_EQ(box.lineCount(), 1u);
  expectCursor(0, 2);
  EXPECT_EQ(listener.changes, 0);
}

TEST_F(TextBoxTest, APointPlacesTheCursorAtTheNearestLineAndBoundary) {
  box.setText(String(L"ab\ncde\n"));
  struct Case {
    float x, y;
    uint32_t line, column;
  };
  const Case cases[] = {
      {-5, 0, 0, 0},   {4, -5, 0, 0},   {5, -5, 0, 1},  {15, -5, 0, 2}, {99, -5, 0, 2},
      {14, -17, 1, 1}, {25, -16, 1, 3}, {0, -11, 0, 0}, {0, -30, 2, 0}, {40, -99, 2, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_TRUE(box.placeCursor(math::Vector2(c.x, c.y)));
    expectCursor(c.line, c.column);
    EXPECT_TRUE(box.cursorOn());
  }

  // Neither editing nor showing a cursor: the box does not take it.
  box.editable = false;
  box.showCursor = false;
  EXPECT_FALSE(box.placeCursor(math::Vector2(0, -5)));
  expectCursor(2, 0);
}

TEST_F(TextBoxTest, TheCursorBlinksAndSitsAfterItsColumn) {
  box.setText(String(L"ab\ncde"));
  box.setCursor(1, 2);
  box.update(0.3f);
  EXPECT_TRUE(box.cursorOn());
  EXPECT_EQ(box.cursorPosition().x, 21);
  EXPECT_EQ(box.cursorPosition().y, -17);
  box.update(0.3f);
  EXPECT_FALSE(box.cursorOn());
  box.notifyChanged();
  EXPECT_TRUE(box.cursorOn());

  box.showCursor = false;
  box.update(0.6f);
  EXPECT_TRUE(box.cursorOn());
  testing_support::RecordingCanvas canvas;
  box.renderCursor(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
}

TEST_F(TextBoxTest, TheUnderlineStyleDrawsAsManyLinesAsTheLimitsAllow) {
  struct Case {
    int maxLines, maxHeight;
    uint32_t underlines;
  };
  // One step is 12 high.
  const Case cases[] = {{3, -1, 3}, {-1, -1, 0}, {-1, 30, 2}, {1, 40, 3}, {0, -1, 0}};
  box.style = text::TextBox::UNDERLINE;
  box.boxPosition = math::Vector2(-5, -40);
  box.boxSize = math::Vector2(50, 40);
  box.setText(String(L"a"));
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.maxLines << " " << c.maxHeight);
    box.maxLines = c.maxLines;
    box.maxHeight = c.maxHeight;
    EXPECT_EQ(box.visibleLines(), c.underlines);
    testing_support::RecordingCanvas canvas;
    box.render(canvas);
    // The glyphs have no billboards: only the underlines are drawn.
    ASSERT_EQ(canvas.drawn.size(), c.underlines);
    for (uint32_t i = 0; i < c.underlines; ++i)
      EXPECT_FLOAT_EQ(canvas.drawn[i].placed(0).y + canvas.drawn[i].placed(1).y,
                      2 * (-12.0f * float(i) - 10.0f));
  }
}

TEST_F(TextBoxTest, TheDefinitionSetsTheBoxAndBreaksItsText) {
  quip::Dictionary d;
  d.set(Symbol::intern(L"boxSize"), math::Vector2(40, 30).toToken());
  d.set(Symbol::intern(L"text"), quip::Token(String(L"abcdef")));
  d.set(Symbol::intern(L"maxWidth"), quip::Token(30.0f));
  d.set(Symbol::intern(L"style"), quip::Token(Symbol::intern(L"round"), false));
  d.set(Symbol::intern(L"entered"), quip::Token(quip::trueSymbol(), false));
  box.load(d);
  EXPECT_EQ(box.boxPosition.x, -20);
  EXPECT_EQ(box.boxPosition.y, -15);
  EXPECT_EQ(box.style, int(text::TextBox::BOX));
  EXPECT_EQ(lines(), (std::vector<std::string>{"abc", "def"}));
  EXPECT_EQ(listener.entries, 1);
}

} // namespace
