// Cells and world points, and which floor area holds a point.

#include "engine/FloorArea.h"
#include "engine/Level.h"

#include "math/Scalar.h"

math::Vector3 Level::cellCentre(const math::Vector2i &cell) {
  return math::Vector3(cellSize * float(cell.x), cellSize * float(cell.y), 0.0f);
}

math::Vector3 Level::cellCorner(const math::Vector2i &point) {
  const float half = 0.5f * cellSize;
  return math::Vector3(cellSize * float(point.x) - half, cellSize * float(point.y) - half, 0.0f);
}

math::Vector2i Level::worldToCell(const math::Vector3 &point) {
  return math::Vector2i(math::round(point.x / cellSize), math::round(point.y / cellSize));
}

uint32_t Level::floorAreaAt(const math::Vector3 &point) const {
  for (uint32_t i = 0; i < m_floorAreas.size(); ++i)
    if (m_floorAreas[i]->accepts(point))
      return i;
  return 0;
}

bool Level::onFloor(const math::Vector3 &point) const {
  for (const FloorArea *area : m_floorAreas)
    if (area->accepts(point))
      return true;
  return false;
}
