#pragma once
// Plain two-component float vector: 8 bytes, x then y, nothing else, so
// arrays of it can go to the renderer as vertex data. Angles in degrees.

#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Random;
namespace quip {
class Dictionary;
class Token;
enum Type : uint8_t;
} // namespace quip
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

class Vector2 {
public:
  float x, y;

  Vector2() : x(0), y(0) {}
  Vector2(float x, float y) : x(x), y(y) {}
  Vector2(const Vector2 &) = default;
  Vector2 &operator=(const Vector2 &) = default;
  void set(float nx, float ny) {
    x = nx;
    y = ny;
  }

  Vector2 operator+(const Vector2 &o) const { return Vector2(x + o.x, y + o.y); }
  Vector2 operator-(const Vector2 &o) const { return Vector2(x - o.x, y - o.y); }
  Vector2 &operator+=(const Vector2 &o) {
    x += o.x;
    y += o.y;
    return *this;
  }
  Vector2 &operator-=(const Vector2 &o) {
    x -= o.x;
    y -= o.y;
    return *this;
  }
  Vector2 operator*(float f) const { return Vector2(x * f, y * f); }
  Vector2 operator/(float f) const { return Vector2(x / f, y / f); }
  Vector2 &operator*=(float f) {
    x *= f;
    y *= f;
    return *this;
  }
  Vector2 &operator/=(float f) {
    x /= f;
    y /= f;
    return *this;
  }
  Vector2 &operator*=(const Vector2 &o) {
    x *= o.x;
    y *= o.y;
    return *this;
  }
  Vector2 &operator/=(const Vector2 &o) {
    x /= o.x;
    y /= o.y;
    return *this;
  }

  float dot(const Vector2 &o) const { return x * o.x + y * o.y; }
  float cross(const Vector2 &o) const { return x * o.y - y * o.x; }
  float lengthSquared() const { return dot(*this); }
  // 0 for the zero vector without a square root.
  float length() const;
  // Leaves the zero vector alone; returns the length before the division.
  float normalize();
  // Approximate (within about 0.2 %), without square root or division.
  void normalizeFast();
  // The zero vector when other is zero.
  Vector2 projectOnto(const Vector2 &other) const;

  void negate() {
    x = -x;
    y = -y;
  }
  // Clockwise in a y-up frame; rotate(0) changes nothing.
  void rotate(float degrees);
  void rotate90() { set(y, -x); }
  void rotate270() { set(-y, x); }
  Vector2 lerp(const Vector2 &other, float t) const { return *this + (other - *this) * t; }

  // Counter-clockwise turn from this to other in a y-up frame, in [0, 360];
  // both taken to be of unit length.
  float angleToUnit(const Vector2 &other) const;
  // The same with a normalised copy of this (other must be unit length).
  float angleTo(const Vector2 &other) const;
  // Mirrors across the line along direction, keeping the length.
  void reflect(const Vector2 &direction);

  // The whole-degree direction table: entry 359 - (degrees mod 360).
  void setDirection(unsigned int degrees);
  void setRandomDirection();
  void setRandomDirection(Random &random);

  // "%.2f,%.2f".
  String toString() const;
  // A literal array of the two numbers.
  quip::Token toToken() const;
  // From an array of at least two numbers; anything else leaves the vector
  // unchanged and returns false.
  bool fromToken(const quip::Token &token);
};

static_assert(sizeof(Vector2) == 8, "vertex data relies on the plain layout");

// token.get(vector) finds this reader; same contract as fromToken.
bool readToken(const quip::Token &token, Vector2 &out);

} // namespace math

namespace quip {
// An array of two numbers into out; a value of another form leaves out, but
// counts as present.
bool lookupVector2(const Dictionary &dictionary, Symbol key, Type expected, math::Vector2 &out);
void toToken(const math::Vector2 &value, Token &out);
} // namespace quip

namespace file {
// The 8 raw bytes, x then y, in one call.
void write(const math::Vector2 &value, ByteReceiver &out);
void read(math::Vector2 &value, ByteProducer &in);
} // namespace file
