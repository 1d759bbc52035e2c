#include "gui/Button.h"

#include "gui/ButtonListener.h"
#include "gui/PageSound.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"

namespace GUI {

Button::Button() : m_onMouseOver(0), m_onMouseOut(0), m_onDown(0), m_onClick(0) {}

Button::~Button() = default;

void Button::setState(int state) {
  if (state == m_state)
    return;
  m_stateTime = 0;
  bool wasHot = m_state == OVER || m_state == DOWN;
  bool isHot = state == OVER || state == DOWN;
  if (wasHot && !isHot)
    mouseOut();
  else if (!wasHot && isHot)
    mouseOver();
  m_state = state;
}

void Button::runHandler(Symbol name, const quip::Array &code) {
  if (code.count() == 0)
    return;
  if (quip::Interpreter *script = spawnScript(name, code))
    script->scriptManager()->finish(script);
}

void Button::tell(Event event) {
  // Indexed: a listener may add another while being told.
  for (uint32_t i = 0; i < m_listeners.size(); ++i) {
    ButtonListener *listener = m_listeners[i];
    switch (event) {
    case EVENT_OVER:
      listener->mouseOver(this);
      break;
    case EVENT_OUT:
      listener->mouseOut(this);
      break;
    case EVENT_CLICK:
      listener->clicked(this);
      break;
    case EVENT_DOWN:
      listener->down(this);
      break;
    }
  }
}

// The handler, its sound, then the listeners.
void Button::fire(Symbol name, const quip::Array &code, Symbol sound, Event event) {
  runHandler(name, code);
  playSound(sound);
  tell(event);
}

void Button::click() {
  if (!dimmed())
    fire(SYM(L"onClick"), m_onClick, m_soundClick, EVENT_CLICK);
}

void Button::mouseOver() {
  if (!dimmed())
    fire(SYM(L"onMouseOver"), m_onMouseOver, m_soundMouseOver, EVENT_OVER);
}

// Runs while dimmed too: dimming a hovered button must still end its hover.
void Button::mouseOut() { fire(SYM(L"onMouseOut"), m_onMouseOut, m_soundMouseOut, EVENT_OUT); }

void Button::down(bool first) {
  if (dimmed())
    return;
  if (m_onDown.count() != 0) {
    runHandler(SYM(L"onDown"), m_onDown);
    // Re-armed by adding, so an overshoot in one frame shortens the next wait.
    if (first)
      m_repeatCountdown = m_onDownFirstDelay;
    else
      m_repeatCountdown += m_onDownRepeatDelay;
  }
  playSound(m_soundDown);
  tell(EVENT_DOWN);
}

void Button::setDimmed(bool dimmed) {
  if (dimmed) {
    m_pressMode = DIMMED_MODE;
    setState(DIMMED);
  } else if (m_pressMode == DIMMED_MODE) {
    m_pressMode = RELEASED;
    setState(IDLE);
  }
}

void Button::update(float dt) {
  m_stateTime += dt;
  if (m_state == DOWN && m_onDownFirstDelay >= 0) {
    m_repeatCountdown -= dt;
    if (m_repeatCountdown <= 0)
      down(false);
  }
  Widget::update(dt);
}

bool Button::isHighlighted() const {
  if (!visible() || dimmed())
    return false;
  return m_state == OVER || Widget::isHighlighted();
}

void Button::resetPointerState() {
  if (!dimmed()) {
    setState(IDLE);
    m_pressMode = RELEASED;
  }
  Widget::resetPointerState();
}

void Button::setVisible(bool visible) {
  if (!visible && m_pressMode == RELEASED)
    setState(IDLE);
  Widget::setVisible(visible);
}

String Button::tooltipText() const {
  String text;
  appendTooltipText(text);
  return text;
}

void Button::appendTooltipText(String &text) const {
  text += m_tooltip;
  if (m_accelerator) {
    if (m_tooltip.length() != 0)
      text += L" ";
    text += L"(";
    text += m_accelerator->text();
    text += L")";
  }
}

void Button::drawOverlay(video::Canvas &canvas) {
  if (m_state != OVER || m_stateTime <= 0.5f)
    return;
  if (m_tooltip.length() == 0 && !m_accelerator)
    return;
  // Made again every frame it shows, in storage kept from the last time.
  static String text;
  text.resize(0);
  appendTooltipText(text);
  drawTooltip(canvas, text);
}

} // namespace GUI
