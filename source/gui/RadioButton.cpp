#include "gui/RadioButton.h"

#include "file/BinaryPrimitives.h"
#include "gui/DictionaryRead.h"
#include "gui/Page.h"
#include "gui/RadioButtonListener.h"
#include "gui/WidgetRegistry.h"
#include "input/InputEvent.h"
#include "input/Pointer.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"

namespace GUI {

RadioButton::RadioButton() : m_onClick(0) {}

void RadioButton::onChildRemoved(Widget *child) {
  m_faces.forget(child);
  Widget::onChildRemoved(child);
}

void RadioButton::setState(int state) {
  m_state = state;
  m_faces.show(state);
}

math::Rectangle RadioButton::localRectangle() const { return m_faces.bounds(m_state); }

void RadioButton::activate() {
  m_activated = 1;
  setState(DOWN);
  if (!parent())
    return;
  for (Widget *sibling : parent()->children())
    if (sibling != this)
      if (auto *radio = dynamic_cast<RadioButton *>(sibling))
        radio->deactivate();
}

void RadioButton::deactivate() {
  m_activated = 0;
  setState(UP);
  if (hasPage() && page()->pointerCapture() == this)
    page()->releasePointer(this);
}

void RadioButton::click() {
  if (m_onClick.count() != 0)
    if (quip::Interpreter *script = spawnScript(m_onClick))
      script->scriptManager()->finish(script);
  activate();
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->selectionChanged(this);
}

bool RadioButton::onPointerDown(const framework::InputEvent &event) {
  if (event.button != framework::InputEvent::BUTTON_LEFT ||
      !containsPoint(framework::pointerPosition(event)))
    return false;
  click();
  return true;
}

bool RadioButton::onPointerMove(const framework::InputEvent &event) {
  if (!m_activated)
    setState(containsPoint(framework::pointerPosition(event)) ? HIGHLIGHT : UP);
  return false;
}

void RadioButton::update(float dt) {
  const math::Vector2i &p = framework::pointerPosition();
  if (containsPoint(math::Vector2(float(p.x), float(p.y))))
    m_hoverTime += dt;
  else
    m_hoverTime = 0;
  Widget::update(dt);
}

bool RadioButton::isHighlighted() const { return m_state == HIGHLIGHT || Widget::isHighlighted(); }

void RadioButton::drawOverlay(video::Canvas &canvas) {
  if (m_tooltip.length() != 0 && m_hoverTime > 0.5f)
    drawTooltip(canvas, m_tooltip);
}

void RadioButton::serialize(file::ByteReceiver &out) const {
  Widget::serialize(out);
  file::write(uint8_t(m_state), out);
  file::write(uint8_t(m_activated), out);
}

void RadioButton::deserialize(file::ByteProducer &in) {
  Widget::deserialize(in);
  uint8_t state = 0, activated = 0;
  file::read(state, in);
  file::read(activated, in);
  setState(state);
  m_activated = activated != 0 ? 1 : 0;
}

// Its own keys come first, then the widget base's.
void RadioButton::load(const quip::Dictionary &d) {
  readCode(d, SYM(L"onClick"), m_onClick);
  if (Widget *widget = takeNamedWidget(d, SYM(L"up")))
    setUp(widget);
  if (Widget *widget = takeNamedWidget(d, SYM(L"highlight")))
    setHighlight(widget);
  if (Widget *widget = takeNamedWidget(d, SYM(L"down")))
    setDown(widget);
  readString(d, SYM(L"tooltip"), m_tooltip);
  bool flag = false;
  readTruth(d, SYM(L"activate"), flag);
  if (flag)
    activate();
  flag = false;
  readTruth(d, SYM(L"startActivated"), flag);
  if (flag) {
    m_activated = 1;
    setState(DOWN);
  }
  flag = false;
  readTruth(d, SYM(L"click"), flag);
  if (flag)
    click();
  Widget::load(d);
}

void RadioButton::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"on"), quip::Token(m_activated ? quip::trueSymbol() : quip::falseSymbol(), false));
}

} // namespace GUI
