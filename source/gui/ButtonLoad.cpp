#include "gui/Button.h"
#include "gui/DictionaryRead.h"

namespace GUI {

void Button::load(const quip::Dictionary &d) {
  Widget::load(d);
  loadButtonKeys(d);
}

void Button::loadButtonKeys(const quip::Dictionary &d) {
  readCode(d, SYM(L"onMouseOver"), m_onMouseOver);
  readCode(d, SYM(L"onMouseOut"), m_onMouseOut);
  readCode(d, SYM(L"onClick"), m_onClick);
  readCode(d, SYM(L"onDown"), m_onDown);
  readValue(d, SYM(L"onDownFirstDelay"), m_onDownFirstDelay);
  readValue(d, SYM(L"onDownRepeatDelay"), m_onDownRepeatDelay);
  if (const quip::Token *value = d.lookup(SYM(L"dim")))
    setDimmed(value->toBool());
  if (const quip::Token *value = d.lookup(SYM(L"idle")); value && value->toBool()) {
    m_pressMode = RELEASED;
    setState(IDLE);
  }
  readSymbol(d, SYM(L"soundMouseOver"), m_soundMouseOver);
  readSymbol(d, SYM(L"soundMouseOut"), m_soundMouseOut);
  readSymbol(d, SYM(L"soundClick"), m_soundClick);
  readSymbol(d, SYM(L"soundDown"), m_soundDown);
  readString(d, SYM(L"tooltip"), m_tooltip);
  if (const quip::Token *value = typedValue(d, SYM(L"accelerator"), quip::TYPE_DICTIONARY)) {
    auto *accelerator = new Accelerator;
    accelerator->load(value->dictionary());
    setAccelerator(accelerator);
  }
}

} // namespace GUI
