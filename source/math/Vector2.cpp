#include "math/Vector2.h"

#include "math/Random.h"
#include "math/Scalar.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace math {

namespace {

Vector2 directionTable[360];
bool directionTableFilled = false;

// Unit vector at k degrees for every whole k; the quarter turns are exact
// because the later quadrants are built by swapping and negating the first.
void fillDirectionTable() {
  for (int k = 0; k < 90; ++k) {
    float radians = float(double(k) * degreesToRadians);
    directionTable[k].set(std::cos(radians), std::sin(radians));
  }
  for (int i = 0; i < 90; ++i) {
    const Vector2 &v = directionTable[i];
    directionTable[90 + i].set(-v.y, v.x);
    directionTable[180 + i].set(-v.x, -v.y);
    directionTable[270 + i].set(v.y, -v.x);
  }
  directionTableFilled = true;
}

} // namespace

float Vector2::length() const {
  float q = lengthSquared();
  return q == 0.0f ? 0.0f : std::sqrt(q);
}

float Vector2::normalize() {
  float len = length();
  if (len != 0.0f) {
    x /= len;
    y /= len;
  }
  return len;
}

void Vector2::normalizeFast() {
  float q = y * y + x * x;
  if (q == 0.0f)
    return;
  int32_t bits = std::bit_cast<int32_t>(q);
  float g = std::bit_cast<float>(int32_t(0x5f3759df - (bits >> 1)));
  g = g * (1.5f - (0.5f * q) * g * g);
  x *= g;
  y *= g;
}

Vector2 Vector2::projectOnto(const Vector2 &other) const {
  float d = other.dot(other);
  if (d == 0.0f)
    return Vector2();
  return other * (dot(other) / d);
}

void Vector2::rotate(float degrees) {
  if (degrees == 0.0f)
    return;
  float radians = float(double(degrees) * degreesToRadians);
  float c = std::cos(radians), s = std::sin(radians);
  float nx = x * c + y * s;
  float ny = y * c - x * s;
  x = nx;
  y = ny;
}

float Vector2::angleToUnit(const Vector2 &other) const {
  // Clamped so that rounding past 1 cannot break the arc cosine.
  float d = max(min(dot(other), 1.0f), -1.0f);
  double a = std::acos(double(d)) * radiansToDegrees;
  if (cross(other) >= 0.0f)
    return float(a);
  return float(360.0 - a);
}

float Vector2::angleTo(const Vector2 &other) const {
  Vector2 unit = *this;
  unit.normalize();
  return unit.angleToUnit(other);
}

void Vector2::reflect(const Vector2 &direction) {
  Vector2 a = *this;
  float len = a.normalize();
  Vector2 b = direction;
  b.normalize();
  Vector2 p = b * a.dot(b);
  Vector2 r = p * 2.0f - a;
  r.normalize();
  *this = r * len;
}

void Vector2::setDirection(unsigned int degrees) {
  if (!directionTableFilled)
    fillDirectionTable();
  *this = directionTable[359u - degrees % 360u];
}

void Vector2::setRandomDirection() { setDirection(unsigned(Random::globalNext()) % 360u); }

void Vector2::setRandomDirection(Random &random) { setDirection(unsigned(random.next()) % 360u); }

String Vector2::toString() const { return String::format(L"%.2f,%.2f", double(x), double(y)); }

} // namespace math
