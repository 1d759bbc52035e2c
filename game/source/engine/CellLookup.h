#pragma once
// The first object of a list standing in a grid cell, for the kinds the
// level looks up by cell.

#include "engine/ObjectList.h"
#include "math/Vector2i.h"

#include <cstdint>

// Its index, or -1 when no object of the list is in the cell.
template <typename T> int32_t indexAtCell(const ObjectList<T> &list, const math::Vector2i &cell) {
  for (uint32_t i = 0; i < list.size(); ++i) {
    const math::Vector2i &at = list[i]->cell();
    if (at.x == cell.x && at.y == cell.y)
      return int32_t(i);
  }
  return -1;
}
