#pragma once
// A size in whole units: width then height, both 0 by default. Its binary
// form is one 8-byte block, each field a little-endian int.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"

#include <cstdint>

namespace quip {
class Token;
}

namespace math {

struct Size2i {
  int32_t width = 0;
  int32_t height = 0;

  Size2i() = default;
  Size2i(int32_t w, int32_t h) : width(w), height(h) {}
  bool operator==(const Size2i &o) const { return width == o.width && height == o.height; }
  bool operator!=(const Size2i &o) const { return !(*this == o); }
};

static_assert(sizeof(Size2i) == 8, "Size2i is written as one 8-byte block");

// token.get(size) finds this reader: from an array of at least two numbers,
// each truncated toward zero; anything else (or a number beyond the int
// range) leaves the size unchanged and returns false.
bool readToken(const quip::Token &token, Size2i &out);

} // namespace math

namespace quip {
// A literal array of the width and the height.
void toToken(const math::Size2i &value, Token &out);
} // namespace quip

namespace file {
inline void write(const math::Size2i &size, ByteReceiver &out) { out.receiveBytes(&size, 8); }
inline void read(math::Size2i &size, ByteProducer &in) { in.produceBytes(&size, 8); }
} // namespace file
