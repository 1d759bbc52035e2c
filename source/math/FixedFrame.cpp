#include "math/FixedFrame.h"
#include "math/NumberKey.h"

namespace math {

Symbol FixedFrame::typeSymbol() { return SYM(L"fixedFrame"); }

float FixedFrame::value(float, float progress) const {
  if (progress == 0.0f)
    return m_value;
  if (progress == 1.0f)
    return m_nextValue;
  switch (m_tween) {
  case TWEEN_LINEAR:
  case TWEEN_EASE_IN_OUT:
  case TWEEN_EASE_IN:
  case TWEEN_EASE_OUT:
    return m_value + (m_nextValue - m_value) * ease(m_tween, progress);
  default:
    return m_value;
  }
}

void FixedFrame::setNext(Frame *next) { m_nextValue = next->value(m_value, 0.0f); }

bool FixedFrame::load(const quip::Dictionary &dict) {
  bool ok = Frame::load(dict);
  if (readNumberKey(dict, SYM(L"value"), m_value))
    m_nextValue = m_value;
  return ok;
}

void FixedFrame::save(quip::Dictionary &dict) const {
  Frame::save(dict);
  dict.set(SYM(L"value"), quip::Token(m_value));
}

} // namespace math
