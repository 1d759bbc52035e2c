#include "gui/Button.h"
#include "gui/Page.h"
#include "input/InputEvent.h"
#include "input/Key.h"
#include "input/Pointer.h"

namespace GUI {

namespace {

bool isEnter(const framework::InputEvent &event) {
  return event.key == framework::KEY_RETURN || event.key == framework::KEY_KP_ENTER;
}

math::Vector2 currentPointer() {
  const math::Vector2i &p = framework::pointerPosition();
  return math::Vector2(float(p.x), float(p.y));
}

} // namespace

// The state the pointer gives: onState when it is on the button, else idle.
void Button::pointAt(math::Vector2 screen, int onState) {
  setState(layoutContains(screen) ? onState : IDLE);
}

bool Button::onPointerDown(const framework::InputEvent &event) {
  if (event.button != framework::InputEvent::BUTTON_LEFT || dimmed() ||
      !layoutContains(framework::pointerPosition(event)))
    return false;
  if (hasPage())
    page()->capturePointer(this);
  setState(DOWN);
  m_pressMode = PRESSED;
  down(true);
  return true;
}

bool Button::onPointerUp(const framework::InputEvent &event) {
  if (event.button != framework::InputEvent::BUTTON_LEFT)
    return false;
  if (dimmed()) {
    if (hasPage())
      page()->releasePointer(this);
    return false;
  }
  if (m_pressMode != PRESSED)
    return false;
  if (layoutContains(framework::pointerPosition(event))) {
    setState(OVER);
    click();
  } else {
    setState(IDLE);
  }
  if (!dimmed())
    m_pressMode = RELEASED;
  if (hasPage())
    page()->releasePointer(this);
  return true;
}

bool Button::onPointerMove(const framework::InputEvent &event) {
  if (dimmed())
    return false;
  bool pressed = m_pressMode == PRESSED;
  pointAt(framework::pointerPosition(event), pressed ? DOWN : OVER);
  return pressed;
}

void Button::refreshPointerState() {
  if (dimmed())
    return;
  pointAt(currentPointer(), OVER);
  m_pressMode = RELEASED;
}

bool Button::onKeyPress(const framework::InputEvent &event) {
  if (dimmed())
    return false;
  if (keyboardFocusable() && isEnter(event)) {
    setState(DOWN);
    m_pressMode = PRESSED;
    return true;
  }
  if (m_accelerator && m_accelerator->matches(event)) {
    click();
    return true;
  }
  return Widget::onKeyPress(event);
}

bool Button::onKeyRelease(const framework::InputEvent &event) {
  if (dimmed())
    return false;
  if (keyboardFocusable() && m_pressMode == PRESSED && isEnter(event)) {
    click();
    setState(IDLE);
    m_pressMode = RELEASED;
    return true;
  }
  return Widget::onKeyRelease(event);
}

} // namespace GUI
