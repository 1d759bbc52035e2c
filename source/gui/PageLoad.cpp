#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "gui/DictionaryRead.h"
#include "gui/LayoutKeywords.h"
#include "gui/Page.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"

namespace GUI {

void Page::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (const quip::Token *layer = typedValue(d, SYM(L"layer"), quip::TYPE_SYMBOL))
    m_layerName = layer->symbol();
  if (const quip::Token *modal = d.lookup(SYM(L"modal")))
    m_modal = modal->toBool();
  if (const quip::Token *dropDown = d.lookup(SYM(L"dropDown")))
    m_dropDown = dropDown->toBool();
  if (const quip::Token *name = typedValue(d, SYM(L"default"), quip::TYPE_SYMBOL))
    m_defaultWidget = findWidget(name->symbol());
  if (const quip::Token *name = typedValue(d, SYM(L"keyboardFocus"), quip::TYPE_SYMBOL))
    setKeyboardFocus(findWidget(name->symbol()));
  if (const quip::Token *states = typedValue(d, SYM(L"states"), quip::TYPE_DICTIONARY)) {
    for (uint32_t s = 0; s < 4; ++s) {
      const quip::Token *entry = typedValue(
          states->dictionary(), keywordName(KeywordTable::PAGE_STATE, s), quip::TYPE_DICTIONARY);
      if (!entry)
        continue;
      const quip::Dictionary &record = entry->dictionary();
      PageTransition &t = m_transitions[s];
      if (const quip::Token *code = typedValue(record, SYM(L"code"), quip::TYPE_ARRAY))
        t.code = code->array();
      if (const quip::Token *duration = typedValue(record, SYM(L"duration"), quip::TYPE_NUMBER))
        t.duration = duration->number();
      if (const quip::Token *sound = typedValue(record, SYM(L"sound"), quip::TYPE_SYMBOL))
        t.sound = sound->symbol();
    }
  }
  if (const quip::Token *state = typedValue(d, SYM(L"state"), quip::TYPE_SYMBOL)) {
    uint32_t s = keywordIndex(KeywordTable::PAGE_STATE, state->symbol());
    if (s < 4)
      m_state = s;
  }
}

void Page::serialize(file::ByteReceiver &out) const {
  file::write(static_cast<unsigned char>(m_state), out);
  file::write(m_stateTime, out);
  Widget::serialize(out);
}

void Page::deserialize(file::ByteProducer &in) {
  unsigned char state = 0;
  file::read(state, in);
  // A state byte out of range keeps the page as it was.
  if (state < 4)
    m_state = state;
  file::read(m_stateTime, in);
  Widget::deserialize(in);
  refreshAnimations();
}

bool Page::callMethod(Symbol widgetName, const quip::Array &arguments) {
  Widget *widget = findWidget(widgetName);
  if (!widget) {
    framework::reportError(String(L"callMethod: no widget ") + widgetName.text() + L" in page " +
                           name().text());
    return false;
  }
  quip::Dictionary written;
  widget->write(written);
  const quip::Token *value = typedValue(written, SYM(L"value"), quip::TYPE_ARRAY);
  if (!value) {
    framework::reportError(String(L"callMethod: widget ") + widgetName.text() + L" in page " +
                           name().text() + L" has no code in \"value\"");
    return false;
  }
  quip::Interpreter *script = widget->spawnScript(SYM(L"page_method"), value->array());
  if (!script)
    return false;
  // The locals sit under the arguments; the first argument ends on top.
  for (uint32_t i = arguments.count(); i-- > 0;)
    script->push(arguments[i]);
  script->scriptManager()->finish(script);
  return true;
}

} // namespace GUI
