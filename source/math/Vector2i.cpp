#include "math/Vector2i.h"

#include <cmath>

namespace math {

namespace {

// Truncation toward zero; values outside the int range (and NaN) become the
// nearest bound or 0 instead of being undefined.
int32_t truncate(float f) {
  if (std::isnan(f))
    return 0;
  if (f >= 2147483648.0f)
    return INT32_MAX;
  if (f <= -2147483648.0f)
    return INT32_MIN;
  return int32_t(f);
}

} // namespace

Vector2i &Vector2i::operator*=(float f) {
  x = truncate(float(x) * f);
  y = truncate(float(y) * f);
  return *this;
}

String Vector2i::toString() const { return String::format(L"%d,%d", int(x), int(y)); }

} // namespace math
