#include "gui/Variable.h"

#include "quip/Dictionary.h"

namespace GUI {

void Variable::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (const quip::Token *value = d.lookup(SYM(L"value")))
    m_value = *value;
}

void Variable::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"value"), m_value);
}

} // namespace GUI
