#pragma once
// Geometry categories and box sides, as bits and as the symbols that scripts
// write for them.

#include "xstring/Symbol.h"

#include <cstdint>

namespace physics {

// Category bits, matched against a structure's sense, slide and bounce masks.
enum : uint32_t {
  CATEGORY_NONE = 0,
  CATEGORY_TERRAIN = 1,
  CATEGORY_OBSTACLE = 2,
  CATEGORY_ALL = 0xFFFF,
};

// "none", "terrain", "obstacle" and "all"; any other symbol is 0.
uint32_t symbolToCategory(Symbol symbol);
// Any other value gives "none".
Symbol categoryToSymbol(uint32_t category);
// "inside" is side 0 (held inside the shape); every other symbol side 1.
uint32_t symbolToSide(Symbol symbol);
// "inside", "outside", or the empty symbol for any other value.
Symbol sideToSymbol(uint32_t side);

} // namespace physics
