#include "gui/Page.h"
#include "gui/Widget.h"
#include "input/InputEvent.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"

namespace GUI {

bool Widget::routeToChildren(const framework::InputEvent &event) {
  for (uint32_t i = m_children.size(); i-- > 0;)
    if (m_children[i]->handleEvent(event))
      return true;
  return false;
}

bool Widget::handleEvent(const framework::InputEvent &event) {
  if (!isInteractive())
    return false;
  Page *p = page();
  bool keyed = event.kind == framework::InputEvent::KEY_DOWN ||
               event.kind == framework::InputEvent::KEY_UP ||
               event.kind == framework::InputEvent::CHARACTER;
  Widget *focus = keyed ? p->keyboardFocus() : p->pointerCapture();
  if (focus == this)
    return handleOwnEvent(event) || routeToChildren(event);
  return routeToChildren(event) || handleOwnEvent(event);
}

bool Widget::handleOwnEvent(const framework::InputEvent &event) {
  switch (event.kind) {
  case framework::InputEvent::POINTER_MOTION:
    return onPointerMove(event);
  case framework::InputEvent::BUTTON_DOWN:
    return onPointerDown(event);
  case framework::InputEvent::BUTTON_UP:
    return onPointerUp(event);
  case framework::InputEvent::KEY_DOWN:
    return onKeyPress(event);
  case framework::InputEvent::KEY_UP:
    return onKeyRelease(event);
  case framework::InputEvent::CHARACTER:
    return onCharacter(event);
  default:
    return false;
  }
}

bool Widget::onKeyPress(const framework::InputEvent &event) {
  return runKeyCode(m_onKeyPress, event);
}

bool Widget::onKeyRelease(const framework::InputEvent &event) {
  return runKeyCode(m_onKeyRelease, event);
}

// The handler runs to its end at once; what it leaves on top says whether
// the key was consumed.
bool Widget::runKeyCode(const quip::Array &code, const framework::InputEvent &event) {
  if (code.count() == 0)
    return false;
  quip::Interpreter *script = spawnScript(code);
  if (!script)
    return false;
  script->push(quip::Token(float(event.key)));
  script->push(quip::Token(float(event.modifiers)));
  quip::Token answer = script->scriptManager()->finish(script);
  return !answer.isError() && answer.toBool();
}

} // namespace GUI
