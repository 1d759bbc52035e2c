#include "gui/Accelerator.h"

#include "gui/DictionaryRead.h"
#include "input/InputEvent.h"
#include "input/Key.h"
#include "quip/Dictionary.h"
#include "quip/Token.h"

namespace GUI {

namespace {

constexpr uint32_t GROUPS[] = {framework::MOD_LEFT_CTRL | framework::MOD_RIGHT_CTRL,
                               framework::MOD_LEFT_ALT | framework::MOD_RIGHT_ALT,
                               framework::MOD_LEFT_SHIFT | framework::MOD_RIGHT_SHIFT};
constexpr const wchar_t *GROUP_TEXT[] = {L"Ctrl+", L"Alt+", L"Shift+"};

} // namespace

Accelerator::Accelerator(uint32_t key, uint32_t modifiers) : m_key(key), m_modifiers(modifiers) {
  buildText();
}

void Accelerator::load(const quip::Dictionary &d) {
  static const Symbol KEY = Symbol::intern(L"key");
  static const Symbol MODIFIERS = Symbol::intern(L"modifiers");
  if (const quip::Token *value = typedValue(d, KEY, quip::TYPE_SYMBOL))
    m_key = uint32_t(framework::keyFromName(value->symbol()));
  if (const quip::Token *value = typedValue(d, MODIFIERS, quip::TYPE_ARRAY)) {
    m_modifiers = 0;
    const quip::Array &names = value->array();
    for (uint32_t i = 0; i < names.count(); ++i)
      if (names[i].type() == quip::TYPE_SYMBOL)
        m_modifiers |= framework::modifierFromName(names[i].symbol());
  }
  buildText();
}

void Accelerator::buildText() {
  m_text = String();
  for (uint32_t g = 0; g < 3; ++g)
    if (m_modifiers & GROUPS[g])
      m_text += GROUP_TEXT[g];
  m_text += framework::keyName(int32_t(m_key)).text();
}

bool Accelerator::matches(const framework::InputEvent &event) const {
  if (event.kind != framework::InputEvent::KEY_DOWN || uint32_t(event.key) != m_key)
    return false;
  for (uint32_t group : GROUPS)
    if (((event.modifiers & group) != 0) != ((m_modifiers & group) != 0))
      return false;
  return true;
}

} // namespace GUI
