#include "gui/Page.h"
#include "input/InputEvent.h"

namespace GUI {

namespace {
constexpr uint32_t SHIFT = 0x03, CTRL = 0x0C, ALT = 0x30;
constexpr int32_t KEY_TAB = 9, KEY_RETURN = 13, KEY_ENTER = 271;
} // namespace

bool Page::handleEvent(const framework::InputEvent &event) {
  if (!isInteractive())
    return false;
  bool consumed = handleOwnEvent(event) || routeToChildren(event);
  bool press = event.kind == framework::InputEvent::BUTTON_DOWN;
  bool button = press || event.kind == framework::InputEvent::BUTTON_UP;
  if (button && !consumed && m_dropDown && !layoutContains(framework::pointerPosition(event)))
    setState(EXIT);
  else if (press && layoutContains(framework::pointerPosition(event)))
    attachToLayer();
  return m_modal || consumed;
}

bool Page::onPointerDown(const framework::InputEvent &event) {
  return !isFinished() && m_pointerCapture && m_pointerCapture->handleEvent(event);
}

bool Page::onPointerUp(const framework::InputEvent &event) {
  return !isFinished() && m_pointerCapture && m_pointerCapture->handleEvent(event);
}

bool Page::onPointerMove(const framework::InputEvent &event) {
  return !isFinished() && m_pointerCapture && m_pointerCapture->handleEvent(event);
}

bool Page::handleKey(const framework::InputEvent &event, bool press) {
  if (isFinished())
    return false;
  if (press && event.key == KEY_TAB && !event.hasModifier(CTRL | ALT) &&
      cycleFocus(event.hasModifier(SHIFT)))
    return true;
  if (m_defaultWidget && (event.key == KEY_RETURN || event.key == KEY_ENTER))
    return m_defaultWidget->handleEvent(event);
  if (m_keyboardFocus)
    return m_keyboardFocus->handleEvent(event);
  return press ? Widget::onKeyPress(event) : Widget::onKeyRelease(event);
}

bool Page::onKeyPress(const framework::InputEvent &event) { return handleKey(event, true); }

bool Page::onKeyRelease(const framework::InputEvent &event) { return handleKey(event, false); }

bool Page::onCharacter(const framework::InputEvent &event) {
  if (isFinished())
    return false;
  if (m_keyboardFocus)
    return m_keyboardFocus->handleEvent(event);
  return Widget::onKeyPress(event);
}

} // namespace GUI
