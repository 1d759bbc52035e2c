#include "math/Vector3.h"

#include "math/Random.h"
#include "math/Scalar.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace math {

float Vector3::length() const {
  float q = lengthSquared();
  return q == 0.0f ? 0.0f : std::sqrt(q);
}

float Vector3::normalize() {
  float len = length();
  if (len != 0.0f) {
    x /= len;
    y /= len;
    z /= len;
  }
  return len;
}

void Vector3::normalizeFast() {
  float q = (y * y + x * x) + z * z;
  if (q == 0.0f)
    return;
  int32_t bits = std::bit_cast<int32_t>(q);
  float g = std::bit_cast<float>(int32_t(0x5f3759df - (bits >> 1)));
  float h = 0.5f * q;
  g = g * (1.5f - g * (h * g));
  x *= g;
  y *= g;
  z *= g;
}

Vector3 Vector3::projectOnto(const Vector3 &other) const {
  float d = other.dot(other);
  if (d == 0.0f)
    return Vector3();
  return other * (dot(other) / d);
}

float Vector3::reflect(const Vector3 &direction) {
  Vector3 a = *this;
  float len = a.normalize();
  Vector3 b = direction;
  b.normalize();
  Vector3 p = b * a.dot(b);
  Vector3 r = p + (p - a);
  r.normalize();
  *this = r * len;
  return r.dot(p);
}

float Vector3::angleTo(const Vector3 &other) const {
  // Clamped so that rounding past 1 cannot break the arc cosine.
  float d = min(max(dot(other), -1.0f), 1.0f);
  return float(std::acos(double(d)) * radiansToDegrees);
}

namespace {

// u1 then u2, each in [0, 1], drawn by the caller in that order.
Vector3 sphereDirection(float u1, float u2) {
  float theta = std::acos(2.0f * u2 - 1.0f);
  float sinTheta = std::sin(theta), cosTheta = std::cos(theta);
  double phi = double(u1 * 6.2831855f);
  double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  return Vector3(float(cosPhi * double(sinTheta)), float(double(sinTheta) * sinPhi), cosTheta);
}

} // namespace

void Vector3::setRandomDirection() {
  float u1 = Random::globalFloat(0.0f, 1.0f);
  float u2 = Random::globalFloat(0.0f, 1.0f);
  *this = sphereDirection(u1, u2);
}

void Vector3::setRandomDirection(Random &random) {
  float u1 = random.nextFloat(0.0f, 1.0f);
  float u2 = random.nextFloat(0.0f, 1.0f);
  *this = sphereDirection(u1, u2);
}

String Vector3::toString() const {
  return String::format(L"%.2f,%.2f,%.2f", double(x), double(y), double(z));
}

} // namespace math
