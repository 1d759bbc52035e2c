#include "gui/DictionaryRead.h"
#include "gui/MultiLine.h"

namespace GUI {

void MultiLine::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"itemOffset"), m_itemOffset);
  readCode(d, SYM(L"onSelect"), m_onSelect);
  readCode(d, SYM(L"onDeselect"), m_onDeselect);
  readCode(d, SYM(L"onDoubleClick"), m_onDoubleClick);
  if (const quip::Token *contents = typedValue(d, SYM(L"contents"), quip::TYPE_ARRAY))
    setContents(contents->array());
  if (const quip::Token *percent = typedValue(d, SYM(L"percent"), quip::TYPE_NUMBER))
    setPercent(percent->number());
  if (const quip::Token *size = d.lookup(SYM(L"windowSize"))) {
    math::Vector2 value = m_windowSize;
    size->get(value);
    setWindowSize(value);
  }
  if (const quip::Token *text = typedValue(d, SYM(L"selection"), quip::TYPE_STRING))
    selectByPrefix(text->string());
  if (const quip::Token *index = typedValue(d, SYM(L"selectionIndex"), quip::TYPE_NUMBER)) {
    select(int(index->number()));
    scrollToSelection();
  }
  readTruth(d, SYM(L"selectable"), m_selectable);
  Symbol align;
  readSymbol(d, SYM(L"align"), align);
  if (align == SYM(L"left"))
    m_align = LEFT;
  else if (align == SYM(L"right"))
    m_align = RIGHT;
  else if (align == SYM(L"center"))
    m_align = CENTER;
  refreshSlider();
}

void MultiLine::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"percent"), quip::Token(m_percent));
  d.set(SYM(L"selectionIndex"), quip::Token(float(m_selection)));
  if (m_selection >= 0)
    d.set(SYM(L"selection"), quip::Token(m_contents[uint32_t(m_selection)]));
}

} // namespace GUI
