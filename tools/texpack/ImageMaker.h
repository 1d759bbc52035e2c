#pragma once
// The pictures the packer draws itself, each square and rgba8888.

#include "math/Color.h"
#include "surface/PixelBuffer.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace texpack {

struct ImageRecipe {
  // solid, gradient, checker, line, pointer, flame, square (an edge of
  // color2, cell pixels wide), disc (a rim of color2, cell pixels wide),
  // dot (soft)
  Symbol kind;
  uint32_t size = 32;
  math::PackedColor color{255, 255, 255, 255};
  math::PackedColor color2{0, 0, 0, 255};
  uint32_t cell = 8;  // checker squares, square edges, disc rims
  uint32_t frame = 1; // flame frames differ
};

// False for an unknown kind (the buffer is then empty).
bool makeImage(const ImageRecipe &recipe, PixelBuffer &out);

} // namespace texpack
