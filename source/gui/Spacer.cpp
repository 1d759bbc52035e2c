#include "gui/Spacer.h"

#include "gui/DictionaryRead.h"

namespace GUI {

void Spacer::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"size"), m_size);
  readTruth(d, SYM(L"centered"), m_centered);
}

} // namespace GUI
