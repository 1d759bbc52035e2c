#include "gui/Page.h"

#include "error/Log.h"
#include "gui/Layout.h"
#include "gui/PageSound.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "video/Layer.h"
#include "video/LayerManager.h"
#include "video/Window.h"

namespace GUI {

namespace {
Symbol stateScriptName(uint32_t state) {
  static const Symbol names[] = {SYM(L"enter"), SYM(L"active"), SYM(L"exit"), SYM(L"inactive")};
  return names[state];
}
} // namespace

Page::Page() { m_transitions[ACTIVE].duration = -1; }

Page::~Page() {
  // The widgets go after this; nothing may reach them through the page.
  m_pointerCapture = nullptr;
  m_keyboardFocus = nullptr;
  m_defaultWidget = nullptr;
  m_focusList.clear();
}

void Page::runTransition(uint32_t state) {
  const PageTransition &t = m_transitions[state];
  playSound(t.sound);
  if (t.code.count() != 0)
    if (quip::Interpreter *script = spawnScript(stateScriptName(state), t.code))
      script->scriptManager()->finish(script);
  switch (state) {
  case ENTER:
    onEnter();
    break;
  case ACTIVE:
    onActive();
    break;
  case EXIT:
    onExit();
    break;
  default:
    onInactive();
    break;
  }
}

void Page::setState(int s) {
  if (s < 0 || s > 3)
    return;
  m_state = uint32_t(s);
  m_stateTime = 0;
  runTransition(m_state);
  if (m_state == EXIT || m_state == INACTIVE) {
    if (m_pointerCapture) {
      Widget *capture = m_pointerCapture;
      m_pointerCapture = nullptr;
      capture->refreshPointerState();
    }
    resetPointerState();
  } else {
    attachToLayer();
    applyLayout(*this);
    placeOnScreen();
  }
  if ((m_state == ENTER || m_state == EXIT) && m_transitions[m_state].duration == 0) {
    m_state = m_state == ENTER ? ACTIVE : INACTIVE;
    runTransition(m_state);
  }
  refreshAnimations();
}

void Page::enter() {
  if (isFinished() || m_state == ENTER || m_state == ACTIVE)
    return;
  setState(ENTER);
}

void Page::exit() {
  if (isFinished() || m_state == EXIT || m_state == INACTIVE)
    return;
  setState(EXIT);
}

void Page::update(float dt) {
  if (!visible() || isFinished() || m_state == INACTIVE)
    return;
  m_stateTime += dt;
  float duration = m_transitions[m_state].duration;
  if (duration >= 0 && m_stateTime > duration) {
    if (m_state == ENTER)
      setState(ACTIVE);
    else if (m_state == ACTIVE)
      setState(EXIT);
    else if (m_state == EXIT)
      setState(INACTIVE);
  }
  Widget::update(dt);
}

void Page::render(video::Canvas &canvas) {
  Widget::render(canvas);
  renderOverlay(canvas);
}

void Page::onEnter() {
  Widget::onEnter();
  afterEnter();
}

Widget *Page::findWidget(Symbol name) {
  Widget *found = Widget::findWidget(name);
  if (!found)
    logLine(String(L"Page: ") + this->name().text() + L", Widget: " + name.text());
  return found;
}

void Page::capturePointer(Widget *widget) {
  if (m_pointerCapture && m_pointerCapture != widget)
    m_pointerCapture->refreshPointerState();
  m_pointerCapture = widget;
}

void Page::releasePointer(Widget *widget) {
  if (!widget || m_pointerCapture != widget)
    return;
  widget->refreshPointerState();
  m_pointerCapture = nullptr;
}

void Page::releaseKeyboardFocus(Widget *widget) {
  if (!widget || m_keyboardFocus != widget)
    return;
  widget->onFocusLost();
  m_keyboardFocus = nullptr;
}

void Page::setKeyboardFocus(Widget *widget) {
  if (widget)
    widget->onFocusGained();
  if (m_keyboardFocus && m_keyboardFocus != widget)
    m_keyboardFocus->onFocusLost();
  m_keyboardFocus = widget;
}

bool Page::cycleFocus(bool backwards) {
  if (m_focusList.isEmpty()) {
    setKeyboardFocus(nullptr);
    return false;
  }
  uint32_t count = m_focusList.size();
  uint32_t i = 0;
  for (uint32_t k = 0; k < count; ++k)
    if (m_focusList[k] == m_keyboardFocus)
      i = k;
  uint32_t next = backwards ? (i > 0 ? i - 1 : count - 1) : (i + 1) % count;
  setKeyboardFocus(m_focusList[next]);
  return next != i;
}

void Page::attachToLayer() {
  if (!video::LayerManager::exists() || video::LayerManager::instance().layerCount() == 0)
    return;
  video::Layer &layer = video::LayerManager::instance().getLayer(m_layerName);
  layer.moveRenderableToFront(this);
  layer.moveEventHandlerToFront(this);
}

void Page::placeOnScreen() {
  math::Rectangle r = layoutRect();
  math::Vector2 p = position();
  r.translate(p);
  math::Vector2 screen = video::Window::screenSize();
  switch (hAlign()) {
  case 2:
    p.x -= r.x;
    break;
  case 3:
    p.x += screen.x - (r.x + r.width);
    break;
  case 4:
    p.x += 0.5f * screen.x - (r.x + 0.5f * r.width);
    break;
  default:
    break;
  }
  switch (vAlign()) {
  case 2:
    p.y += screen.y - (r.y + r.height);
    break;
  case 3:
    p.y -= r.y;
    break;
  case 4:
    p.y += 0.5f * screen.y - (r.y + 0.5f * r.height);
    break;
  default:
    break;
  }
  setPosition(p);
}

} // namespace GUI
