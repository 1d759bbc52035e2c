#pragma once
// The level's look-ups of objects by grid cell: the first in list order
// whose cell() equals the cell.

#include "engine/ObjectList.h"
#include "math/Vector2i.h"

namespace celllookup {

inline bool sameCell(const math::Vector2i &a, const math::Vector2i &b) {
  return a.x == b.x && a.y == b.y;
}

// Out of the list, not deleted; null when none is there.
template <typename T> T *take(ObjectList<T> &list, const math::Vector2i &cell) {
  for (uint32_t i = 0; i < list.size(); ++i)
    if (sameCell(list[i]->cell(), cell))
      return list.removeAt(i);
  return nullptr;
}

template <typename T> T *find(const ObjectList<T> &list, const math::Vector2i &cell) {
  for (T *object : list)
    if (sameCell(object->cell(), cell))
      return object;
  return nullptr;
}

template <typename T> bool has(const ObjectList<T> &list, const math::Vector2i &cell) {
  return find(list, cell) != nullptr;
}

} // namespace celllookup
