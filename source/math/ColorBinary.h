#pragma once
// Binary forms of colours: the raw little-endian floats (16 bytes) or bytes (4).

#include "file/BinaryPrimitives.h"
#include "math/Color.h"

namespace file {

inline void read(math::Color &value, ByteProducer &in) { in.produceBytes(&value, 16); }
inline void write(const math::Color &value, ByteReceiver &out) { out.receiveBytes(&value, 16); }
inline void read(math::PackedColor &value, ByteProducer &in) { in.produceBytes(&value, 4); }
inline void write(const math::PackedColor &value, ByteReceiver &out) {
  out.receiveBytes(&value, 4);
}

static_assert(sizeof(math::Color) == 16 && sizeof(math::PackedColor) == 4,
              "colours are stored as their raw fields");

} // namespace file
