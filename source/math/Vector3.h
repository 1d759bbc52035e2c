#pragma once
// Plain three-component float vector: x, y, z and nothing else, so arrays of
// it can be copied as raw memory and sent to the renderer. Angles in degrees;
// the cross product is right-handed; zero tests are exact.

#include "xstring/String.h"

class Random;
namespace quip {
class Token;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

class Vector3 {
public:
  float x, y, z;

  Vector3() : x(0), y(0), z(0) {}
  Vector3(float x, float y, float z) : x(x), y(y), z(z) {}
  Vector3(const Vector3 &) = default;
  Vector3 &operator=(const Vector3 &) = default;
  void set(float nx, float ny, float nz) {
    x = nx;
    y = ny;
    z = nz;
  }

  Vector3 operator+(const Vector3 &o) const { return Vector3(x + o.x, y + o.y, z + o.z); }
  Vector3 operator-(const Vector3 &o) const { return Vector3(x - o.x, y - o.y, z - o.z); }
  Vector3 &operator+=(const Vector3 &o) {
    x += o.x;
    y += o.y;
    z += o.z;
    return *this;
  }
  Vector3 &operator-=(const Vector3 &o) {
    x -= o.x;
    y -= o.y;
    z -= o.z;
    return *this;
  }
  Vector3 operator*(float f) const { return Vector3(x * f, y * f, z * f); }
  Vector3 operator/(float f) const { return Vector3(x / f, y / f, z / f); }
  Vector3 &operator*=(float f) {
    x *= f;
    y *= f;
    z *= f;
    return *this;
  }
  Vector3 &operator/=(float f) {
    x /= f;
    y /= f;
    z /= f;
    return *this;
  }
  Vector3 &operator*=(const Vector3 &o) {
    x *= o.x;
    y *= o.y;
    z *= o.z;
    return *this;
  }
  Vector3 &operator/=(const Vector3 &o) {
    x /= o.x;
    y /= o.y;
    z /= o.z;
    return *this;
  }
  void scale(float sx, float sy, float sz) {
    x *= sx;
    y *= sy;
    z *= sz;
  }

  // Exact: -0 equals +0, the smallest difference does not.
  bool equals(const Vector3 &o) const { return x == o.x && y == o.y && z == o.z; }
  bool operator==(const Vector3 &o) const { return equals(o); }
  bool operator!=(const Vector3 &o) const { return !equals(o); }

  float dot(const Vector3 &o) const { return x * o.x + y * o.y + z * o.z; }
  Vector3 cross(const Vector3 &o) const {
    return Vector3(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
  }
  float lengthSquared() const { return dot(*this); }
  // 0 for the zero vector without a square root.
  float length() const;
  // Leaves the zero vector alone; returns the length before the division.
  float normalize();
  // Approximate (within about 0.2 %), without square root or division.
  void normalizeFast();
  // The zero vector when other is zero.
  Vector3 projectOnto(const Vector3 &other) const;
  Vector3 lerp(const Vector3 &other, float t) const { return *this + (other - *this) * t; }

  // Mirrors across the line along direction, keeping the length; returns the
  // dot product of the mirrored unit direction with the projection.
  float reflect(const Vector3 &direction);
  // Angle between two unit vectors, in [0, 180].
  float angleTo(const Vector3 &other) const;

  // Uniform over the sphere.
  void setRandomDirection();
  void setRandomDirection(Random &random);

  // "%.2f,%.2f,%.2f".
  String toString() const;
  // A literal array of the three numbers.
  quip::Token toToken() const;
  // From an array of at least three numbers; anything else leaves the vector
  // unchanged and returns false.
  bool fromToken(const quip::Token &token);
};

static_assert(sizeof(Vector3) == 12, "vertex data relies on the plain layout");

// token.get(vector) finds this reader; same contract as fromToken.
bool readToken(const quip::Token &token, Vector3 &out);

} // namespace math

namespace quip {
void toToken(const math::Vector3 &value, Token &out);
Token toToken(const math::Vector3 &value);
} // namespace quip

namespace file {
// The 12 raw bytes, x, y, z, in one call.
void write(const math::Vector3 &value, ByteReceiver &out);
void read(math::Vector3 &value, ByteProducer &in);
} // namespace file
