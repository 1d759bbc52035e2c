#include "gui/Scaler.h"

#include "gui/DictionaryRead.h"
#include "input/InputEvent.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"

#include <algorithm>

namespace GUI {

bool Scaler::readTarget(float &number) const {
  if (!m_target)
    return false;
  quip::Dictionary form;
  m_target->write(form);
  const quip::Token *editable = form.lookup(SYM(L"editable"));
  if (editable && !editable->toBool())
    return false;
  String text;
  readString(form, SYM(L"text"), text);
  number = String::toFloat(text.c_str());
  return true;
}

void Scaler::writeTarget(float number) {
  quip::Dictionary form;
  m_target->write(form);
  form.set(SYM(L"text"), quip::Token(quip::Token(number).toString()));
  form.set(SYM(L"entered"), quip::Token(quip::trueSymbol(), false));
  m_target->load(form);
}

void Scaler::runOnMove() {
  if (m_onMove.count() == 0)
    return;
  if (quip::Interpreter *script = spawnScript(m_onMove))
    script->scriptManager()->finish(script);
}

bool Scaler::onPointerMove(const framework::InputEvent &event) {
  if (pressMode() != PRESSED)
    return PushButton::onPointerMove(event);
  float number = 0;
  if (!readTarget(number))
    return false;
  float dy = float(event.motion.y);
  if (dy != 0) {
    float changed = number + dy * m_scale;
    if (m_hasMin)
      changed = std::max(changed, m_min);
    if (m_hasMax)
      changed = std::min(changed, m_max);
    if (changed != number)
      writeTarget(changed);
    runOnMove();
  }
  return true;
}

bool Scaler::onPointerDown(const framework::InputEvent &event) {
  if (event.button != framework::InputEvent::BUTTON_RIGHT)
    return PushButton::onPointerDown(event);
  if (dimmed() || !layoutContains(framework::pointerPosition(event)))
    return false;
  float number = 0;
  if (!readTarget(number))
    return false;
  float reset = m_hasMin ? m_min : 0.0f;
  if (number != reset) {
    down(true);
    writeTarget(reset);
  }
  runOnMove();
  return true;
}

void Scaler::load(const quip::Dictionary &d) {
  PushButton::load(d);
  readValue(d, SYM(L"scale"), m_scale);
  float bound = 0;
  if (const quip::Token *min = d.lookup(SYM(L"min")); min && min->get(bound))
    setMin(bound);
  if (const quip::Token *max = d.lookup(SYM(L"max")); max && max->get(bound))
    setMax(bound);
  readCode(d, SYM(L"onMove"), m_onMove);
}

void Scaler::write(quip::Dictionary &d) const {
  PushButton::write(d);
  d.set(SYM(L"scale"), quip::Token(m_scale));
}

} // namespace GUI
