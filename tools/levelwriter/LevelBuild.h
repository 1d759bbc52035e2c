#pragma once
// Makes the Level of a plan, in memory, for the game's own level writer:
// the values, the blocks in their grid, and per room one floor area with
// its walls, its islands' walls and two floor triangles per floor cell.

#include "LevelPlan.h"

#include <string>

class Level;

namespace levelwriter {

// Empty when the level is built, else why it cannot be.
std::string buildLevel(const LevelPlan &plan, Level &level);

} // namespace levelwriter
