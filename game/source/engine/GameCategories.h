#pragma once
// Collision categories of the game's geometries, above the engine's own
// (which keep to the low 16 bits). Structures match them with their sense,
// slide and bounce masks.

#include <cstdint>

enum : uint32_t {
  CATEGORY_BREAKABLE = 0x10000,
  // Unbreakable and round blocks and other solid obstacles.
  CATEGORY_SOLID = 0x20000,
  // The level's floor plane.
  CATEGORY_FLOOR = 0x40000,
  // Walls and tube bands.
  CATEGORY_WALL = 0x80000,
  // Every game category.
  CATEGORY_GAME = 0xFFFF0000u,
};
