#include "gui/TextEntry.h"

#include "gui/ClipViewport.h"
#include "gui/Page.h"
#include "gui/TextEntryListener.h"
#include "input/Pointer.h"
#include "math/Color.h"
#include "math/Scalar.h"
#include "text/Font.h"
#include "video/Canvas.h"
#include "xstring/Clipboard.h"

#include <algorithm>

namespace GUI {

namespace {

const math::Color DISABLED(0.7f, 0.7f, 0.7f, 1.0f);
const math::Color SELECTION(0.5f, 0.5f, 1.0f, 0.5f);

} // namespace

TextEntry::TextEntry() : m_onChange(0), m_onEnter(0) { setKeyboardFocusable(true); }

TextEntry::~TextEntry() = default;

// Editing.

void TextEntry::setText(const String &text) {
  m_text.setText(text);
  m_cursor = m_anchor = text.length();
  m_undoText = text;
}

void TextEntry::selectAll() {
  m_anchor = 0;
  m_cursor = text().length();
}

bool TextEntry::isAcceptable(wchar_t c) const {
  if (c < 32 || c > 256)
    return false;
  return !m_filter || m_filter->find(c) >= 0;
}

bool TextEntry::insertCharacter(wchar_t c, bool notify) {
  if (!isAcceptable(c))
    return false;
  deleteSelection(false);
  const String &current = text();
  if (m_maxChars >= 0 && int(current.length()) >= m_maxChars)
    return true;
  if (m_maxWidth >= 0) {
    const text::TextFormat &format = m_text.format();
    float width = format.stringWidth(current) + format.stringWidth(String(&c, 1));
    if (width >= float(m_maxWidth))
      return true;
  }
  String edited(current);
  edited.insert(m_cursor, c);
  m_text.setText(edited);
  m_anchor = ++m_cursor;
  if (notify)
    changed();
  return true;
}

bool TextEntry::deleteSelection(bool copy) {
  const String &current = text();
  if (m_cursor == m_anchor || current.isEmpty())
    return false;
  uint32_t from = std::min(m_cursor, m_anchor), to = std::max(m_cursor, m_anchor);
  m_undoText = current;
  if (copy)
    xstring::setClipboardText(current.substring(from, to - from));
  String edited = current.substring(0, from);
  edited += current.substring(to, current.length() - to);
  m_text.setText(edited);
  m_cursor = m_anchor = from;
  return true;
}

String TextEntry::selectedText() const {
  uint32_t from = std::min(m_cursor, m_anchor), to = std::max(m_cursor, m_anchor);
  return from == to ? String() : text().substring(from, to - from);
}

float TextEntry::textLeft() const { return m_text.getBounds().x; }

uint32_t TextEntry::indexAt(math::Vector2 screen) const {
  float x = fromScreen(screen).x - textLeft();
  const text::TextFormat &format = m_text.format();
  const String &current = text();
  uint32_t k = current.length();
  while (k > 0 && format.prefixWidth(current, k) > x)
    --k;
  if (k == current.length())
    return k;
  float before = format.prefixWidth(current, k), after = format.prefixWidth(current, k + 1);
  return x - before < after - x ? k : k + 1;
}

void TextEntry::restartBlink() {
  m_cursorVisible = true;
  m_blinkTime = 0;
}

void TextEntry::changed() {
  runScript(m_onChange);
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->changed(this);
  restartBlink();
}

void TextEntry::entered() {
  runScript(m_onEnter);
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->entered(this);
}

void TextEntry::onFocusGained() { restartBlink(); }

void TextEntry::onFocusLost() { m_anchor = m_cursor; }

bool TextEntry::hasFocus() const { return hasPage() && page()->keyboardFocus() == this; }

// Frames.

void TextEntry::update(float dt) {
  Widget::update(dt);
  m_blinkTime += dt;
  if (m_blinkTime > 0.5f) {
    m_cursorVisible = !m_cursorVisible;
    m_blinkTime = 0;
  }
  const math::Vector2i &pointer = framework::pointerPosition();
  if (containsPoint(math::Vector2(float(pointer.x), float(pointer.y))))
    m_hoverTime += dt;
  else
    m_hoverTime = 0;
  m_cursorPosition =
      math::Vector2(textLeft() + m_text.format().prefixWidth(text(), m_cursor) + 1.0f, 0.0f);
}

void TextEntry::touch() {
  Widget::touch();
  if (Font *font = m_text.format().font())
    font->touch();
}

math::Rectangle TextEntry::localRectangle() const {
  math::Rectangle box;
  box.set(m_boxPosition.x, m_boxPosition.y, m_boxSize.x, m_boxSize.y);
  if (m_style == BOX)
    box.set(box.x - 1, box.y - 1, box.width + 2, box.height + 2);
  return box;
}

void TextEntry::draw(video::Canvas &canvas) {
  math::Rectangle box;
  box.set(m_boxPosition.x, m_boxPosition.y, m_boxSize.x, m_boxSize.y);
  if (m_style == BOX) {
    canvas.fillRect(box.x - 1, box.y - 1, box.width + 2, box.height + 2, math::Color::black, 1);
    canvas.fillRect(box, m_editable ? math::Color::white : DISABLED, 1);
  } else if (m_style == UNDERLINE) {
    const Font *font = m_text.format().font();
    float y = box.y + (font ? font->baseline() : 0.0f);
    canvas.drawLine(math::Vector2(box.x, y), math::Vector2(box.x + box.width, y),
                    math::Color::black, 2.0f, false, 1);
  }

  math::Rectangle clip = box;
  clip.translate(toScreen(math::Vector2()));
  clip.x = float(math::round(clip.x));
  clip.y = float(math::round(clip.y));
  ClipViewport viewport;
  viewport.push(canvas, clip);
  m_text.position = math::Vector2();
  m_text.render(canvas);
  if (m_cursor != m_anchor) {
    const text::TextFormat &format = m_text.format();
    float left = textLeft();
    float x1 = left + format.prefixWidth(text(), m_cursor);
    float x2 = left + format.prefixWidth(text(), m_anchor);
    if (x1 != x2)
      canvas.fillRect(std::min(x1, x2), m_text.position.y - 0.4f * m_boxSize.y, std::abs(x2 - x1),
                      0.8f * m_boxSize.y, SELECTION, 1);
  }
  viewport.pop(canvas);

  if (m_cursorVisible && hasFocus()) {
    float lineHeight = m_text.format().height();
    canvas.fillRect(m_cursorPosition.x - 1.0f, m_cursorPosition.y - lineHeight / 2.0f, 2.0f,
                    lineHeight, math::Color::black, 1);
  }
}

void TextEntry::drawOverlay(video::Canvas &canvas) {
  if (m_hoverTime > 0.5f && !m_tooltip.isEmpty())
    drawTooltip(canvas, m_tooltip);
}

} // namespace GUI
