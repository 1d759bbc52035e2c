#pragma once
// A grid cell in a record: its column and row, each an i32.

#include "file/BinaryPrimitives.h"
#include "math/Vector2i.h"

#include <cstdint>

namespace cellrecord {

constexpr uint32_t bytes = 4 + 4;

inline void write(const math::Vector2i &cell, file::ByteReceiver &out) {
  file::write(cell.x, out);
  file::write(cell.y, out);
}

// False, the cell unchanged, when the record is cut short.
inline bool read(file::ByteProducer &in, math::Vector2i &cell) {
  if (in.bytesRemaining() < bytes)
    return false;
  int32_t column, row;
  file::read(column, in);
  file::read(row, in);
  if (in.overrun())
    return false;
  cell = math::Vector2i(column, row);
  return true;
}

} // namespace cellrecord
