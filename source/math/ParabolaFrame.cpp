#include "math/ParabolaFrame.h"
#include "math/NumberKey.h"

#include <cmath>

namespace math {

Symbol ParabolaFrame::typeSymbol() { return SYM(L"parabolaFrame"); }

float ParabolaFrame::value(float previous, float t) const {
  return float(double(m_c) + double(m_a) * std::pow(double(t) * double(m_b), double(m_exponent)) +
               double(previous));
}

bool ParabolaFrame::load(const quip::Dictionary &dict) {
  bool ok = Frame::load(dict);
  readNumberKey(dict, SYM(L"a"), m_a);
  readNumberKey(dict, SYM(L"b"), m_b);
  readNumberKey(dict, SYM(L"c"), m_c);
  float exponent;
  // Truncated; a value no int can hold is ignored.
  if (readNumberKey(dict, SYM(L"exponent"), exponent) && exponent > -2147483648.0f &&
      exponent < 2147483648.0f)
    m_exponent = int(exponent);
  return ok;
}

void ParabolaFrame::save(quip::Dictionary &dict) const {
  Frame::save(dict);
  dict.set(SYM(L"a"), quip::Token(m_a));
  dict.set(SYM(L"b"), quip::Token(m_b));
  dict.set(SYM(L"c"), quip::Token(m_c));
  dict.set(SYM(L"exponent"), quip::Token(float(m_exponent)));
}

} // namespace math
