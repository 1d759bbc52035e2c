#pragma once
// An invisible widget that holds one script value for its page's scripts.

#include "gui/Widget.h"
#include "quip/Token.h"

namespace GUI {

class Variable : public Widget {
public:
  // "value": any value, copied.
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;

  const quip::Token &value() const { return m_value; }
  void setValue(const quip::Token &value) { m_value = value; }

private:
  quip::Token m_value;
};

} // namespace GUI
