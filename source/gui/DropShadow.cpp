#include "gui/DropShadow.h"

#include "gui/DictionaryRead.h"

namespace GUI {

void DropShadow::load(const quip::Dictionary &d) {
  readTruth(d, SYM(L"enabled"), enabled);
  readValue(d, SYM(L"position"), offset);
  readValue(d, SYM(L"color"), color);
}

} // namespace GUI
