#include "LevelPlan.h"

#include "engine/Block.h"
#include "engine/BlockColors.h"

namespace levelwriter {

bool Room::isFloor(int32_t column, int32_t row) const {
  if (!area.contains(column, row))
    return false;
  for (const CellRect &island : islands)
    if (island.contains(column, row))
      return false;
  return true;
}

int LevelPlan::roomAt(int32_t column, int32_t row) const {
  for (size_t i = 0; i < rooms.size(); ++i)
    if (rooms[i].isFloor(column, row))
      return int(i);
  return -1;
}

const PlacedBlock *LevelPlan::blockAt(int32_t column, int32_t row) const {
  for (const PlacedBlock &block : blocks) {
    const int32_t reach = block.kind == Block::BONUS ? 1 : 0;
    if (column >= block.column && column <= block.column + reach && row >= block.row &&
        row <= block.row + reach)
      return &block;
  }
  return nullptr;
}

CellRect LevelPlan::bounds() const {
  CellRect all;
  for (size_t i = 0; i < rooms.size(); ++i) {
    const CellRect &r = rooms[i].area;
    if (i == 0) {
      all = r;
      continue;
    }
    all.left = r.left < all.left ? r.left : all.left;
    all.bottom = r.bottom < all.bottom ? r.bottom : all.bottom;
    all.right = r.right > all.right ? r.right : all.right;
    all.top = r.top > all.top ? r.top : all.top;
  }
  return all;
}

bool isColoured(const PlacedBlock &block) {
  return (block.kind == Block::NORMAL || block.kind == Block::BONUS) && block.colour < COLOR_COUNT;
}

} // namespace levelwriter
