#pragma once
// The wall records of rooms and islands. Each wall is stored already offset
// by the ball's radius, so that the wall set's contact test holds the
// ball's centre that far from the cells' edges: inside a room's rectangle,
// outside an island's, whose corners are rounded to the radius. The border
// strip runs along the cells' edges on both sides.

#include "LevelPlan.h"

class WallSet;

namespace levelwriter {

// Width of each border strip, world units.
constexpr float borderWidth = 0.75f;

void writeRoomWalls(const CellRect &room, WallSet &walls);
void writeIslandWalls(const CellRect &island, WallSet &walls);

} // namespace levelwriter
