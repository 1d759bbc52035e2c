#pragma once
// Whether a level can be completed: it has a coloured block, the ball starts
// on the floor and not in a block, and a flood fill from the ball's cell
// reaches every coloured block. The fill steps between neighbouring floor
// cells of one room and passes breakable blocks; walls, islands,
// unbreakable and round blocks stop it. Links carry it from one cell to
// another, as tubes carry the ball.

#include "LevelPlan.h"

#include <string>
#include <vector>

namespace levelwriter {

struct CellLink {
  int32_t fromColumn, fromRow;
  int32_t toColumn, toRow;
};

class Reach {
public:
  Reach(const LevelPlan &plan, const std::vector<CellLink> &links);

  bool reached(int32_t column, int32_t row) const;

private:
  int32_t indexOf(int32_t column, int32_t row) const;

  CellRect m_bounds;
  std::vector<bool> m_reached;
};

// Whether the fill stops at the cell (a floor cell it could otherwise enter).
bool stopsFill(const LevelPlan &plan, int32_t column, int32_t row);
// Empty when the level can be completed, else the reason it cannot.
std::string whyNotCompletable(const LevelPlan &plan);

} // namespace levelwriter
