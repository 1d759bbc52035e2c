#include "input/Key.h"
#include "math/Scalar.h"
#include "text/TextBox.h"

namespace text {

bool TextBox::insertCharacter(int code) {
  if (!editable)
    return false;
  if (code == framework::KEY_RETURN || code == framework::KEY_KP_ENTER)
    code = L'\n';
  else if (code < 32 || code > 256)
    return false;
  if (maxChars >= 0 && int(m_text.length()) >= maxChars)
    return true;
  wchar_t c = wchar_t(code);
  if (!accepts(c))
    return false;
  uint32_t index = indexOf(m_cursorLine, m_cursorColumn);
  String before = m_text;
  m_text.insert(index, c);
  if (!relayout()) {
    setText(before);
    return true;
  }
  positionOf(index + 1, m_cursorLine, m_cursorColumn);
  notifyChanged();
  return true;
}

void TextBox::moveHorizontally(bool right, bool ctrl) {
  uint32_t length = lineText(m_cursorLine).length();
  if (ctrl) {
    m_cursorColumn = right ? length : 0;
    return;
  }
  uint32_t index = indexOf(m_cursorLine, m_cursorColumn);
  if (!right) {
    if (index == 0)
      return;
    if (m_cursorColumn > 0)
      --m_cursorColumn;
    else
      setCursor(m_cursorLine - 1, lineText(m_cursorLine - 1).length());
    return;
  }
  if (index >= m_text.length())
    return;
  if (m_cursorColumn < length)
    ++m_cursorColumn;
  else if (m_cursorLine + 1 < lineCount())
    setCursor(m_cursorLine + 1, 0);
}

bool TextBox::keyPress(int key, uint32_t modifiers) {
  bool ctrl = (modifiers & framework::MOD_CTRL) != 0;
  uint32_t index = indexOf(m_cursorLine, m_cursorColumn);
  switch (key) {
  case framework::KEY_BACKSPACE:
    if (editable && index > 0) {
      String edited = m_text;
      edited.erase(index - 1);
      setText(edited);
      positionOf(index - 1, m_cursorLine, m_cursorColumn);
    }
    break;
  case framework::KEY_DELETE:
    if (editable && index < m_text.length()) {
      String edited = m_text;
      edited.erase(index);
      setText(edited);
    }
    break;
  case framework::KEY_LEFT:
  case framework::KEY_RIGHT:
    moveHorizontally(key == framework::KEY_RIGHT, ctrl);
    break;
  case framework::KEY_UP:
    if (m_cursorLine > 0)
      setCursor(m_cursorLine - 1, m_cursorColumn);
    break;
  case framework::KEY_DOWN:
    if (m_cursorLine + 1 < lineCount())
      setCursor(m_cursorLine + 1, m_cursorColumn);
    break;
  case framework::KEY_HOME:
    m_cursorColumn = 0;
    break;
  case framework::KEY_END:
    m_cursorColumn = lineText(m_cursorLine).length();
    break;
  default:
    break;
  }
  notifyChanged();
  return true;
}

bool TextBox::placeCursor(math::Vector2 point) {
  if (!editable && !showCursor)
    return false;
  uint32_t best = 0;
  float bestDistance = 0;
  for (uint32_t i = 0; i < lineCount(); ++i) {
    float distance = math::abs(lineTop(i) - lineHeight() / 2.0f - point.y);
    if (i == 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  const String line = lineText(best);
  uint32_t k = line.length();
  while (k > 0 && prefixWidth(line, k) > point.x)
    --k;
  uint32_t column = k;
  if (k < line.length()) {
    float before = prefixWidth(line, k), after = prefixWidth(line, k + 1);
    column = point.x - before < after - point.x ? k : k + 1;
  }
  m_cursorLine = best;
  m_cursorColumn = column;
  m_cursorOn = true;
  m_blinkTimer = 0;
  return true;
}

} // namespace text
