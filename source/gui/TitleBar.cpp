#include "gui/TitleBar.h"

#include "gui/DictionaryRead.h"

namespace GUI {

bool TitleBar::onPointerDown(const framework::InputEvent &event) {
  return m_drag.press(*this, event);
}

bool TitleBar::onPointerUp(const framework::InputEvent &) { return m_drag.release(*this); }

bool TitleBar::onPointerMove(const framework::InputEvent &event) {
  return m_drag.move(*this, event);
}

void TitleBar::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"size"), m_size);
}

} // namespace GUI
