#include "text/TextBox.h"

#include "text/TextBoxListener.h"

#include <cwctype>

namespace text {

TextBox::TextBox() = default;

void TextBox::setText(const String &text) {
  if (filter.isEmpty()) {
    m_text = text;
  } else {
    m_text.resize(0);
    for (uint32_t i = 0; i < text.length(); ++i)
      if (accepts(text[i]))
        m_text += text[i];
  }
  relayout();
  clampCursor();
}

void TextBox::setLineSpacing(float spacing) {
  m_lineSpacing = spacing;
  relayout();
  clampCursor();
}

String TextBox::lineText(uint32_t i) const {
  return i < m_lines.size() ? m_lines[i].text : String();
}

void TextBox::clampCursor() {
  if (m_cursorLine > lineCount() - 1)
    m_cursorLine = lineCount() - 1;
  uint32_t length = lineText(m_cursorLine).length();
  if (m_cursorColumn > length)
    m_cursorColumn = length;
}

void TextBox::setCursor(uint32_t line, uint32_t column) {
  m_cursorLine = line;
  m_cursorColumn = column;
  clampCursor();
}

uint32_t TextBox::indexOf(uint32_t line, uint32_t column) const {
  uint32_t index = 0;
  for (uint32_t i = 0; i < line && i < m_lines.size(); ++i)
    index += m_lines[i].text.length() + (m_lines[i].hardBreak ? 1 : 0);
  return index + column;
}

void TextBox::positionOf(uint32_t index, uint32_t &line, uint32_t &column) const {
  line = column = 0;
  for (uint32_t i = 0; i < m_lines.size(); ++i) {
    uint32_t length = m_lines[i].text.length();
    line = i;
    if (index <= length) {
      column = index;
      return;
    }
    column = length;
    index -= length + (m_lines[i].hardBreak ? 1 : 0);
  }
}

math::Rectangle TextBox::rectangle() const {
  math::Rectangle box;
  box.set(boxPosition.x, boxPosition.y, boxSize.x, boxSize.y);
  return box;
}

// Words and single whitespace characters are the tokens; a token wider or
// longer than a line is cut into pieces of what fits, at least one
// character each, so that no limit can stall the breaking.
bool TextBox::relayout() {
  auto fits = [this](float width, uint32_t count) {
    return !(maxWidth >= 0.0f && width > maxWidth) && (maxChars < 0 || int(count) <= maxChars);
  };
  m_lines.clear();
  Line current;
  float w = 0;
  uint32_t n = 0;
  const uint32_t length = m_text.length();
  for (uint32_t start = 0, end; start < length; start = end) {
    end = start + 1;
    if (!std::iswspace(wint_t(m_text[start])))
      while (end < length && !std::iswspace(wint_t(m_text[end])))
        ++end;
    if (m_text[start] == L'\n') {
      current.hardBreak = true;
      m_lines.push(std::move(current));
      current = Line();
      w = 0;
      n = 0;
      continue;
    }
    String token = m_text.substring(start, end - start);
    float tokenWidth = stringWidth(token);
    uint32_t count = end - start;
    if (fits(w + tokenWidth, n + count)) {
      current.text += token;
      w += tokenWidth;
      n += count;
      continue;
    }
    if (!current.text.isEmpty())
      m_lines.push(std::move(current));
    current = Line();
    uint32_t from = 0;
    for (;;) {
      uint32_t k = 1;
      while (from + k < count && fits(prefixWidth(token.substring(from, k + 1), k + 1), k + 1))
        ++k;
      if (from + k >= count)
        break;
      Line piece;
      piece.text = token.substring(from, k);
      m_lines.push(std::move(piece));
      from += k;
    }
    current.text = token.substring(from, count - from);
    w = stringWidth(current.text);
    n = current.text.length();
  }
  if (!current.text.isEmpty() || (!m_lines.isEmpty() && m_lines.last().hardBreak))
    m_lines.push(std::move(current));

  uint32_t lines = m_lines.size();
  if (maxLines >= 0 && int(lines) > maxLines)
    return false;
  float textHeight =
      lines == 0 ? 0.0f : float(lines) * lineHeight() + float(lines - 1) * m_lineSpacing;
  return !(maxHeight >= 0 && textHeight > float(maxHeight));
}

void TextBox::notifyChanged() {
  m_cursorOn = true;
  m_blinkTimer = 0;
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->textChanged(this);
}

void TextBox::notifyEntered() {
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->textEntered(this);
}

} // namespace text
