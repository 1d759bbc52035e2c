#pragma once
// An editable multi-line text: the text is broken into lines at word
// boundaries under a width, a character count per line, a line count and a
// height; a cursor (line, column) moves and edits it from typed characters
// and keys; it draws its box, its lines and a blinking cursor. Its format is
// the text's font, layout, scale and colour. The cursor and the hit test
// measure from x = 0, so they line up with a left-aligned layout.

#include "container/Vector.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "text/TextFormat.h"
#include "xstring/String.h"

#include <cstdint>

namespace quip {
class Dictionary;
}
namespace video {
class Canvas;
}

namespace text {

class TextBoxListener;

class TextBox : public TextFormat {
public:
  enum Style { BOX = 0, UNDERLINE = 1, NO_DECORATION = 2 };

  struct Line {
    String text;
    // Ended at a newline, which is not part of the text.
    bool hardBreak = false;
  };

  TextBox();

  // The keys present, then the lines broken again and the cursor clamped.
  void load(const quip::Dictionary &dictionary);

  // Keeps only the filter's characters when there is a filter.
  void setText(const String &text);
  const String &text() const { return m_text; }
  // Breaks the text into lines; false when they pass the line or height
  // limit (the lines stay as broken).
  bool relayout();
  // Whether the character was taken; a refused one at a limit is taken too.
  bool insertCharacter(int code);
  // Every key is taken, and every one tells the listeners of a change.
  bool keyPress(int key, uint32_t modifiers);
  // The cursor to the nearest line and boundary of a local point; false
  // (nothing changed) when the box neither edits nor shows a cursor.
  bool placeCursor(math::Vector2 point);
  void update(float dt);
  void render(video::Canvas &canvas);
  void renderCursor(video::Canvas &canvas) const;
  void addListener(TextBoxListener *listener) { m_listeners.push(listener); }
  void notifyChanged();
  void notifyEntered();

  // At least 1, even with no lines.
  uint32_t lineCount() const { return m_lines.isEmpty() ? 1 : m_lines.size(); }
  // "" when there are no lines.
  String lineText(uint32_t i) const;
  const container::Vector<Line> &lines() const { return m_lines; }
  float lineSpacing() const { return m_lineSpacing; }
  void setLineSpacing(float spacing);
  float lineHeight() const { return height(); }
  // The top of line i: lines go down from 0.
  float lineTop(uint32_t i) const { return -float(i) * (lineHeight() + m_lineSpacing); }

  uint32_t cursorLine() const { return m_cursorLine; }
  uint32_t cursorColumn() const { return m_cursorColumn; }
  void setCursor(uint32_t line, uint32_t column);
  // The text index of a line and column, and back (an index at a line's end
  // is on that line; larger ones end on the last line's end).
  uint32_t indexOf(uint32_t line, uint32_t column) const;
  void positionOf(uint32_t index, uint32_t &line, uint32_t &column) const;
  math::Vector2 cursorPosition() const { return m_cursorPosition; }
  bool cursorOn() const { return m_cursorOn; }
  // The box at boxPosition with boxSize.
  math::Rectangle rectangle() const;
  // The underlines drawn in the underline style.
  uint32_t visibleLines() const;

  math::Vector2 boxSize;
  math::Vector2 boxPosition;
  int maxChars = -1;
  float maxWidth = -1.0f;
  int maxLines = -1;
  int maxHeight = -1;
  bool showCursor = true;
  String filter;
  int style = BOX;
  bool editable = true;

private:
  void clampCursor();
  bool accepts(wchar_t c) const { return filter.isEmpty() || filter.find(c) >= 0; }
  void moveHorizontally(bool right, bool ctrl);

  float m_lineSpacing = 2.0f;
  String m_text;
  container::Vector<Line> m_lines;
  bool m_cursorOn = true;
  uint32_t m_cursorLine = 0;
  uint32_t m_cursorColumn = 0;
  math::Vector2 m_cursorPosition;
  float m_blinkTimer = 0;
  container::Vector<TextBoxListener *> m_listeners;
};

} // namespace text
