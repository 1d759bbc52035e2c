#include "gui/DictionaryRead.h"
#include "gui/TextEntry.h"
#include "gui/TextFormatRead.h"

namespace GUI {

namespace {

bool isTrue(const quip::Dictionary &d, Symbol key) {
  const quip::Token *value = d.lookup(key);
  return value && value->toBool();
}

} // namespace

void TextEntry::load(const quip::Dictionary &d) {
  Widget::load(d);
  text::TextFormat &format = m_text.format();
  readFontScaleColor(d, format);
  if (const quip::Token *size = d.lookup(SYM(L"boxSize")); size && size->get(m_boxSize))
    m_boxPosition = m_boxSize * -0.5f;
  readValue(d, SYM(L"boxPosition"), m_boxPosition);
  if (const quip::Token *value = typedValue(d, SYM(L"text"), quip::TYPE_STRING))
    setText(value->string());
  readValue(d, SYM(L"alignment"), format.alignment);
  readValue(d, SYM(L"maxChars"), m_maxChars);
  readValue(d, SYM(L"maxWidth"), m_maxWidth);
  if (const quip::Token *filter = typedValue(d, SYM(L"filter"), quip::TYPE_STRING))
    setFilter(new String(filter->string()));
  readCode(d, SYM(L"onChange"), m_onChange);
  readCode(d, SYM(L"onEnter"), m_onEnter);
  if (isTrue(d, SYM(L"changed")))
    changed();
  if (isTrue(d, SYM(L"entered")))
    entered();
  if (const quip::Token *style = typedValue(d, SYM(L"style"), quip::TYPE_SYMBOL)) {
    static const Symbol names[] = {SYM(L"box"), SYM(L"underline"), SYM(L"none")};
    for (int i = 0; i < 3; ++i)
      if (style->symbol() == names[i])
        m_style = i;
  }
  readTruth(d, SYM(L"editable"), m_editable);
  readString(d, SYM(L"tooltip"), m_tooltip);
  if (isTrue(d, SYM(L"selectAll")))
    selectAll();
}

void TextEntry::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"text"), quip::Token(text()));
  if (!m_editable)
    d.set(SYM(L"editable"), quip::Token(quip::falseSymbol(), false));
}

} // namespace GUI
