#pragma once
// Float-to-integer conversions for indexes, counts and stack positions.
// Out-of-range values clamp to the nearest end and NaN gives 0, so no
// conversion is undefined. Inline: the step loop converts at every "at",
// "put" and "index".

#include <cmath>
#include <cstdint>

namespace quip {

[[gnu::always_inline]] inline int clampToInt(float value) {
  if (!(value == value))
    return 0;
  if (value >= 2147483648.0f)
    return INT32_MAX;
  if (value <= -2147483648.0f)
    return INT32_MIN;
  return int(value);
}

// Negative values and NaN give 0.
[[gnu::always_inline]] inline unsigned int clampToUnsigned(float value) {
  if (!(value > 0))
    return 0; // negatives and NaN
  if (value >= 4294967296.0f)
    return UINT32_MAX;
  return (unsigned int)value;
}

// Rounds up only when the fraction is above one half (2.5 gives 2, -2.5 gives -3).
[[gnu::always_inline]] inline int roundHalfDown(float value) {
  // Whole numbers, the usual case, need no floor (a library call without
  // SSE4.1).
  if (value > -2147483648.0f && value < 2147483648.0f && float(int(value)) == value)
    return int(value);
  float low = std::floor(value);
  return clampToInt(value - low > 0.5f ? low + 1.0f : low);
}

// The operand-stack slot (index from the bottom) of a position among n
// values: 0 is the top, -1 the bottom; half-way positions round down. False
// when the position names no value.
[[gnu::always_inline]] inline bool stackSlot(uint32_t n, float position, uint32_t &slot) {
  // A whole position, the usual case, needs no floor: from the top, or
  // (negative) from the bottom.
  if (position >= 0 && position < float(n) && float(int(position)) == position) {
    slot = n - 1 - uint32_t(int(position));
    return true;
  }
  if (position < 0 && position > -2147483648.0f && float(int(position)) == position &&
      uint32_t(-int(position)) <= n) {
    slot = uint32_t(-int(position)) - 1;
    return true;
  }
  double floor = std::floor(double(position));
  double rounded = double(position) - floor > 0.5 ? floor + 1 : floor;
  double count = n;
  if (rounded >= 0 && rounded < count) {
    slot = uint32_t(count - 1 - rounded);
    return true;
  }
  if (rounded <= -1 && rounded >= -count) {
    slot = uint32_t(-rounded - 1);
    return true;
  }
  return false;
}

} // namespace quip
