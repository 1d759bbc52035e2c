#include "gui/MultiLine.h"
#include "gui/Page.h"
#include "input/InputEvent.h"

namespace GUI {

namespace {

enum Key : int32_t { UP = 273, DOWN = 274, PAGE_UP = 280, PAGE_DOWN = 281 };
constexpr uint32_t SHIFT = 1 | 2;
// Letters typed within this many seconds of each other extend the prefix.
constexpr float TYPING_PAUSE = 1.0f;

} // namespace

bool MultiLine::typeKey(int32_t key, uint32_t modifiers) {
  if (key < 32 || key > 126)
    return false;
  wchar_t c = wchar_t(key);
  if ((modifiers & SHIFT) && c >= L'a' && c <= L'z')
    c = wchar_t(c - L'a' + L'A');
  m_typed.append(c);
  m_typedTimer = TYPING_PAUSE;
  return selectByPrefix(m_typed);
}

// The four moving keys are taken even at the ends of the list.
bool MultiLine::onKeyPress(const framework::InputEvent &event) {
  if (!keyboardFocusable() || !m_selectable)
    return Widget::onKeyPress(event);
  switch (event.key) {
  case UP:
    if (m_selection > 0) {
      select(m_selection - 1);
      scrollToSelection();
    }
    return true;
  case DOWN:
    if (uint32_t(m_selection + 1) < m_contents.size()) {
      select(m_selection + 1);
      scrollToSelection();
    }
    return true;
  case PAGE_UP:
    pageUp();
    return true;
  case PAGE_DOWN:
    pageDown();
    return true;
  default:
    if (event.key >= 32 && event.key <= 126)
      return typeKey(event.key, event.modifiers);
    return Widget::onKeyPress(event);
  }
}

bool MultiLine::onPointerDown(const framework::InputEvent &event) {
  math::Vector2 local = fromScreen(framework::pointerPosition(event));
  if (!layoutRect().contains(local))
    return false;
  if (keyboardFocusable() && hasPage())
    page()->setKeyboardFocus(this);
  uint32_t scroll = scrollable();
  switch (event.button) {
  case framework::InputEvent::BUTTON_WHEEL_DOWN:
    if (scroll > 0)
      setPercent(m_percent - 1.0f / float(scroll));
    return true;
  case framework::InputEvent::BUTTON_WHEEL_UP:
    if (scroll > 0)
      setPercent(m_percent + 1.0f / float(scroll));
    return true;
  case framework::InputEvent::BUTTON_LEFT:
    break;
  default:
    return false;
  }
  if (!m_selectable)
    return false;
  if (event.clicks > 1 && m_selection >= 0 &&
      lineRectangle(uint32_t(m_selection)).contains(local)) {
    runNow(m_onDoubleClick);
    return true;
  }
  for (uint32_t i = 0; i < m_contents.size(); ++i) {
    if (lineRectangle(i).contains(local)) {
      select(int(i));
      break;
    }
  }
  return true;
}

} // namespace GUI
