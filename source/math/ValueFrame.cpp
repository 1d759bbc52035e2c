#include "math/ValueFrame.h"
#include "math/NumberKey.h"

namespace math {

Symbol ValueFrame::typeSymbol() { return SYM(L"valueFrame"); }

float ValueFrame::value(float previous, float progress) const {
  if (!m_relative)
    return m_value;
  float target = m_value + previous;
  switch (m_tween) {
  case TWEEN_IMMEDIATE:
    return target;
  case TWEEN_LINEAR:
  case TWEEN_EASE_IN_OUT:
  case TWEEN_EASE_IN:
  case TWEEN_EASE_OUT:
    return previous + (target - previous) * ease(m_tween, progress);
  default:
    return m_value;
  }
}

bool ValueFrame::load(const quip::Dictionary &dict) {
  bool ok = Frame::load(dict);
  readNumberKey(dict, SYM(L"value"), m_value);
  if (const quip::Token *mode = dict.lookup(SYM(L"mode")))
    m_relative = !(mode->type() == quip::TYPE_SYMBOL && mode->symbol() == SYM(L"absolute"));
  return ok;
}

void ValueFrame::save(quip::Dictionary &dict) const {
  Frame::save(dict);
  dict.set(SYM(L"value"), quip::Token(m_value));
  if (!m_relative)
    dict.set(SYM(L"mode"), quip::Token(SYM(L"absolute"), false));
}

} // namespace math
