#include "gui/SoundscapeWidget.h"

#include "gui/DictionaryRead.h"
#include "gui/PageSound.h"

namespace GUI {

void SoundscapeWidget::update(float dt) {
  Widget::update(dt);
  selectSoundscape(m_name);
}

void SoundscapeWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  readSymbol(d, SYM(L"name"), m_name);
}

} // namespace GUI
