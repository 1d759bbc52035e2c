#include "gui/Page.h"
#include "gui/TextEntry.h"
#include "input/InputEvent.h"
#include "input/Key.h"
#include "xstring/Clipboard.h"

namespace GUI {

namespace {
// Letters that edit with Ctrl held.
constexpr int32_t KEY_C = 99, KEY_V = 118, KEY_X = 120, KEY_Z = 122;
} // namespace

void TextEntry::moveCursor(uint32_t index, bool extend) {
  m_cursor = index;
  if (!extend)
    m_anchor = m_cursor;
}

bool TextEntry::paste() {
  String pasted;
  if (!xstring::clipboardText(pasted))
    return true;
  for (uint32_t i = 0; i < pasted.length(); ++i)
    insertCharacter(pasted[i], false);
  if (!pasted.isEmpty())
    changed();
  m_anchor = m_cursor;
  return true;
}

// The text and the undo text change places, so a second undo redoes.
void TextEntry::undo() {
  String before = text();
  m_text.setText(m_undoText);
  m_undoText = before;
  m_cursor = m_anchor = text().length();
  if (text() != m_undoText)
    changed();
}

// The keys that change the text; false for any other.
bool TextEntry::editKey(const framework::InputEvent &event, bool ctrl) {
  switch (event.key) {
  case framework::KEY_BACKSPACE: {
    m_undoText = text();
    bool removed = deleteSelection(false);
    if (!removed && m_cursor > 0) {
      String edited(text());
      edited.erase(m_cursor - 1);
      m_text.setText(edited);
      m_anchor = --m_cursor;
      removed = true;
    }
    if (removed)
      changed();
    return true;
  }
  case framework::KEY_DELETE: {
    m_undoText = text();
    bool removed = deleteSelection(false);
    if (!removed && m_cursor < text().length()) {
      String edited(text());
      edited.erase(m_cursor);
      m_text.setText(edited);
      m_anchor = m_cursor;
      removed = true;
    }
    if (removed)
      changed();
    return true;
  }
  case framework::KEY_RETURN:
  case framework::KEY_KP_ENTER:
    entered();
    changed();
    return true;
  default:
    break;
  }
  if (!ctrl)
    return false;
  switch (event.key) {
  case KEY_V:
    return paste();
  case KEY_X:
    if (deleteSelection(true))
      changed();
    return true;
  case KEY_Z:
    undo();
    return true;
  default:
    return false;
  }
}

bool TextEntry::onKeyPress(const framework::InputEvent &event) {
  if (!hasFocus())
    return false;
  restartBlink();
  bool ctrl = event.hasModifier(framework::MOD_CTRL);
  bool shift = event.hasModifier(framework::MOD_SHIFT);
  if (m_editable && editKey(event, ctrl))
    return true;
  uint32_t length = text().length();
  switch (event.key) {
  case framework::KEY_LEFT:
    moveCursor(ctrl ? 0 : (m_cursor > 0 ? m_cursor - 1 : 0), shift);
    return true;
  case framework::KEY_RIGHT:
    moveCursor(ctrl ? length : (m_cursor < length ? m_cursor + 1 : length), shift);
    return true;
  case framework::KEY_HOME:
    moveCursor(0, shift);
    return true;
  case framework::KEY_END:
    moveCursor(length, shift);
    return true;
  default:
    break;
  }
  if (ctrl && event.key == KEY_C) {
    String selected = selectedText();
    if (!selected.isEmpty())
      xstring::setClipboardText(selected);
    return true;
  }
  // The character record that follows an acceptable key is this entry's.
  return isAcceptable(wchar_t(event.key));
}

bool TextEntry::onCharacter(const framework::InputEvent &event) {
  if (!m_editable || !hasFocus())
    return false;
  return insertCharacter(wchar_t(event.key), true);
}

bool TextEntry::onPointerDown(const framework::InputEvent &event) {
  math::Vector2 point = framework::pointerPosition(event);
  if (!hasPage())
    return false;
  Page *p = page();
  if (!containsPoint(point)) {
    p->releaseKeyboardFocus(this);
    p->releasePointer(this);
    return false;
  }
  p->setKeyboardFocus(this);
  p->capturePointer(this);
  if (event.buttons == framework::InputEvent::BUTTON_LEFT) {
    if (event.clicks >= 2) {
      m_cursor = 0;
      m_anchor = text().length();
    } else {
      m_cursor = m_anchor = indexAt(point);
      m_selecting = true;
    }
  }
  return true;
}

bool TextEntry::onPointerMove(const framework::InputEvent &event) {
  if (m_selecting && hasPage() && page()->pointerCapture() == this)
    m_cursor = indexAt(framework::pointerPosition(event));
  return false;
}

bool TextEntry::onPointerUp(const framework::InputEvent &event) {
  if (event.button == framework::InputEvent::BUTTON_LEFT && hasPage() &&
      page()->pointerCapture() == this)
    m_selecting = false;
  return false;
}

} // namespace GUI
