// Script form of the integer size: a literal array of width and height.

#include "math/ScriptForms.h"
#include "math/Size2i.h"

namespace math {

bool readToken(const quip::Token &token, Size2i &out) {
  float v[2];
  if (!readNumbers(token, v, 2))
    return false;
  // Numbers beyond the int range are refused rather than converted (undefined).
  for (float f : v)
    if (!(f > -2147483904.0f && f < 2147483648.0f))
      return false;
  out = Size2i(int32_t(v[0]), int32_t(v[1]));
  return true;
}

} // namespace math

namespace quip {

void toToken(const math::Size2i &value, Token &out) {
  float v[2] = {float(value.width), float(value.height)};
  math::numbersToken(v, 2, out);
}

} // namespace quip
