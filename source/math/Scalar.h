#pragma once
// Helpers for single numbers: rounding, wrapping into a range, angle
// differences, easing, powers of two and decimal digits. Angles in degrees.

namespace math {

// Degree/radian factors, applied in double precision.
constexpr double degreesToRadians = 0.017453292519943295;
constexpr double radiansToDegrees = 57.29577951308232;
constexpr double pi = 3.141592653589793;

// Exact halves round down: 2.5 -> 2, -1.5 -> -2.
int round(float x);

// Into [0, range]: values above range take fmod, negatives count back from range;
// 0 and range themselves stay.
float wrap(float value, float range);
// Into [low, high] by the same rules; high when the range is empty.
float wrap(float value, float low, float high);
// Into [0, range): a value equal to range gives 0, -range gives range.
// A range of 0 returns the value unchanged instead of dividing by zero.
int wrap(int value, int range);

// The signed shortest turn from one angle to another, in [-180, 180].
float angleDifference(float from, float to);
float lerpAngle(float from, float to, float t);

// (1 - cos(pi t)) / 2.
float easeInOut(float t);

// On a tie (or unordered floats) the second argument wins.
template <typename T> inline T min(T a, T b) { return a < b ? a : b; }
template <typename T> inline T max(T a, T b) { return a > b ? a : b; }
template <typename T> inline T abs(T a) { return a < T(0) ? -a : a; }
template <typename T> inline void swap(T &a, T &b) {
  T t = a;
  a = b;
  b = t;
}

// True for 0 as well.
inline bool isPowerOfTwo(unsigned int x) { return ((x - 1) & x) == 0; }
// 1 for x <= 1; 0 when x is above 2^31 (no such power fits in 32 bits).
unsigned int nextPowerOfTwo(unsigned int x);
// The i-th decimal digit counted from the units (i = 0).
unsigned int digit(unsigned int value, unsigned int i);

} // namespace math
