#include "math/Scalar.h"

#include <cmath>
#include <cstdint>

namespace math {

int round(float x) {
  float down = std::floor(x);
  if (std::fabs(x - down) <= 0.5f)
    return int(down);
  return int(std::ceil(x));
}

float wrap(float value, float range) {
  if (value > range)
    return float(std::fmod(double(value), double(range)));
  if (value < 0)
    return float(double(range) - std::fmod(-double(value), double(range)));
  return value;
}

float wrap(float value, float low, float high) {
  if (low <= value && value <= high)
    return value;
  if (high == low)
    return high;
  double v = double(value) - double(low);
  double r = double(high) - double(low);
  if (v > r)
    return float(double(low) + std::fmod(v, r));
  if (v < 0)
    return float(double(low) + (r - std::fmod(-v, r)));
  return value;
}

int wrap(int value, int range) {
  if (range == 0)
    return value;
  // Wide arithmetic so that negating the smallest int cannot overflow.
  int64_t v = value, r = range;
  if (v >= r)
    return int(v % r);
  if (v < 0)
    return int(r - ((-v) % r));
  return value;
}

float angleDifference(float from, float to) {
  float d = wrap(to, 360.0f) - wrap(from, 360.0f);
  if (d > 180.0f)
    return d - 360.0f;
  if (d < -180.0f)
    return d + 360.0f;
  return d;
}

float lerpAngle(float from, float to, float t) {
  return wrap(from, 360.0f) + angleDifference(from, to) * t;
}

float easeInOut(float t) { return float(std::cos(pi * double(t)) * -0.5) + 0.5f; }

unsigned int nextPowerOfTwo(unsigned int x) {
  if (x <= 1)
    return 1;
  if (x > 0x80000000u)
    return 0;
  unsigned int p = 2;
  while (p < x)
    p *= 2;
  return p;
}

unsigned int digit(unsigned int value, unsigned int i) {
  // Powers past the 32-bit range leave nothing of the value to divide.
  double p0 = std::pow(10.0, double(i));
  double p1 = std::pow(10.0, double(i) + 1.0);
  if (p0 > double(UINT32_MAX))
    return 0;
  unsigned int high = p1 > double(UINT32_MAX) ? 0 : value / (unsigned int)p1;
  return value / (unsigned int)p0 - 10 * high;
}

} // namespace math
