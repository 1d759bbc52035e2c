#pragma once
// The keyword tables of layout and of the page states: a name's index, or
// the table's length for a name it does not hold; and an index's name.

#include "xstring/Symbol.h"

#include <cstdint>

namespace GUI {

enum class KeywordTable : uint32_t { H_ALIGN, V_ALIGN, H_LAYOUT, V_LAYOUT, PAGE_STATE };

uint32_t keywordIndex(KeywordTable table, Symbol name);
// The empty symbol for an index past the table.
Symbol keywordName(KeywordTable table, uint32_t index);
uint32_t keywordCount(KeywordTable table);

} // namespace GUI
