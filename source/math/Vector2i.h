#pragma once
// A pair of 32-bit integers: pixel positions, sizes, grid cells. Arithmetic
// wraps as 32-bit signed.

#include "xstring/String.h"

#include <cstdint>

namespace quip {
class Token;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

class Vector2i {
public:
  int32_t x, y;

  Vector2i() : x(0), y(0) {}
  Vector2i(int x, int y) : x(x), y(y) {}
  Vector2i(const Vector2i &) = default;
  Vector2i &operator=(const Vector2i &) = default;
  void set(int nx, int ny) {
    x = nx;
    y = ny;
  }

  Vector2i operator+(const Vector2i &o) const { return Vector2i(wrapAdd(x, o.x), wrapAdd(y, o.y)); }
  Vector2i operator-(const Vector2i &o) const { return Vector2i(wrapSub(x, o.x), wrapSub(y, o.y)); }
  Vector2i &operator+=(const Vector2i &o) { return *this = *this + o; }
  Vector2i &operator-=(const Vector2i &o) { return *this = *this - o; }
  int dot(const Vector2i &o) const { return wrapAdd(wrapMul(x, o.x), wrapMul(y, o.y)); }
  Vector2i &operator*=(const Vector2i &o) {
    x = wrapMul(x, o.x);
    y = wrapMul(y, o.y);
    return *this;
  }
  // Through float, truncated toward zero.
  Vector2i &operator*=(float f);

  // "%d,%d".
  String toString() const;
  quip::Token toToken() const;
  // From an array of at least two numbers, each truncated toward zero;
  // anything else leaves the vector unchanged and returns false.
  bool fromToken(const quip::Token &token);

  // The 8 raw bytes, x then y.
  void read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

private:
  // Two's-complement wrap-around without signed overflow.
  static int32_t wrapAdd(int32_t a, int32_t b) { return int32_t(uint32_t(a) + uint32_t(b)); }
  static int32_t wrapSub(int32_t a, int32_t b) { return int32_t(uint32_t(a) - uint32_t(b)); }
  static int32_t wrapMul(int32_t a, int32_t b) { return int32_t(uint32_t(a) * uint32_t(b)); }
};

static_assert(sizeof(Vector2i) == 8, "the binary form is the raw 8 bytes");

// token.get(vector) finds this reader; same contract as fromToken.
bool readToken(const quip::Token &token, Vector2i &out);

} // namespace math

namespace quip {
void toToken(const math::Vector2i &value, Token &out);
} // namespace quip
