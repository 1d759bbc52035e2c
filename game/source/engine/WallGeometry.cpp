#include "engine/WallGeometry.h"

#include "engine/GameCategories.h"
#include "engine/WallSet.h"

WallGeometry::WallGeometry(WallSet &walls) : m_walls(walls) { category = CATEGORY_WALL; }

Symbol WallGeometry::getType() const { return SYM(L"walls"); }

bool WallGeometry::overlapsSphere(const math::Sphere &sphere) const {
  if (m_walls.cornerCount() < 3)
    return false;
  math::Vector3 resolved;
  WallEdge edge;
  return m_walls.contact(sphere.center, resolved, edge);
}

math::Vector3 WallGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  if (m_walls.cornerCount() < 3)
    return sphere.center;
  math::Vector3 resolved;
  WallEdge edge;
  return m_walls.contact(sphere.center, resolved, edge) ? resolved : sphere.center;
}
