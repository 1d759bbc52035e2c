#include "gui/LayoutKeywords.h"

namespace GUI {

namespace {

struct Table {
  const Symbol *names;
  uint32_t count;
};

Table tableOf(KeywordTable table) {
  static const Symbol hAlign[] = {SYM(L"fixed"), SYM(L"layout"), SYM(L"left"), SYM(L"right"),
                                  SYM(L"center")};
  static const Symbol vAlign[] = {SYM(L"fixed"), SYM(L"layout"), SYM(L"top"), SYM(L"bottom"),
                                  SYM(L"center")};
  static const Symbol hLayout[] = {SYM(L"none"),   SYM(L"left"),     SYM(L"right"),
                                   SYM(L"center"), SYM(L"packLeft"), SYM(L"packRight")};
  static const Symbol vLayout[] = {SYM(L"none"),   SYM(L"top"),     SYM(L"bottom"),
                                   SYM(L"center"), SYM(L"packTop"), SYM(L"packBottom")};
  static const Symbol states[] = {SYM(L"enter"), SYM(L"active"), SYM(L"exit"), SYM(L"inactive")};
  switch (table) {
  case KeywordTable::H_ALIGN:
    return {hAlign, 5};
  case KeywordTable::V_ALIGN:
    return {vAlign, 5};
  case KeywordTable::H_LAYOUT:
    return {hLayout, 6};
  case KeywordTable::V_LAYOUT:
    return {vLayout, 6};
  case KeywordTable::PAGE_STATE:
    break;
  }
  return {states, 4};
}

} // namespace

uint32_t keywordIndex(KeywordTable table, Symbol name) {
  Table t = tableOf(table);
  for (uint32_t i = 0; i < t.count; ++i)
    if (t.names[i] == name)
      return i;
  return t.count;
}

Symbol keywordName(KeywordTable table, uint32_t index) {
  Table t = tableOf(table);
  return index < t.count ? t.names[index] : Symbol::emptySymbol();
}

uint32_t keywordCount(KeywordTable table) { return tableOf(table).count; }

} // namespace GUI
