#pragma once
// Weights of the four control points around a uniform cubic segment, for i
// from -2 to 1; any other i weighs nothing.

namespace math {

inline float bSplineWeight(int i, float t) {
  float t2 = t * t, t3 = t2 * t;
  switch (i) {
  case -2:
    return (1.0f - t) * (1.0f - t) * (1.0f - t) / 6.0f;
  case -1:
    return (3.0f * t3 - 6.0f * t2 + 4.0f) / 6.0f;
  case 0:
    return (-3.0f * t3 + 3.0f * t2 + 3.0f * t + 1.0f) / 6.0f;
  case 1:
    return t3 / 6.0f;
  default:
    return 0.0f;
  }
}

// The curve passes through control points 1 to n - 2.
inline float catmullRomWeight(int i, float t) {
  float t2 = t * t, t3 = t2 * t;
  switch (i) {
  case -2:
    return 0.5f * (-t3 + 2.0f * t2 - t);
  case -1:
    return 0.5f * (3.0f * t3 - 5.0f * t2 + 2.0f);
  case 0:
    return 0.5f * (-3.0f * t3 + 4.0f * t2 + t);
  case 1:
    return 0.5f * (t3 - t2);
  default:
    return 0.0f;
  }
}

} // namespace math
