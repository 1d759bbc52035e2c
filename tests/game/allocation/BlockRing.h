#pragma once
// The allocation tests' block field: a ring of normal blocks of the six
// colours round the origin, cells -8 to 7 each way outside radius 6.

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <cstdint>

inline file::BufferBinary blockRingLayout() {
  file::BufferBinary layout;
  for (int32_t v : {16, 16, -8, -8, 0})
    file::write(v, layout);
  for (int16_t c = -8; c < 8; ++c)
    for (int16_t r = -8; r < 8; ++r)
      if (c * c + r * r > 36) {
        file::write(uint8_t((c + r + 16) % 6), layout);
        file::write(c, layout);
        file::write(r, layout);
      }
  file::write(uint8_t(255), layout);
  layout.seek(0);
  return layout;
}
