#include "engine/BonusGeometry.h"

#include "math/SphereResolve.h"

math::Vector3 BonusGeometry::cellCentre(uint32_t quadrant) {
  switch (quadrant) {
  case 1:
    return math::Vector3(0.0f, 3.0f, 0.0f);
  case 2:
    return math::Vector3(3.0f, 3.0f, 0.0f);
  case 3:
    return math::Vector3(3.0f, 0.0f, 0.0f);
  default:
    return math::Vector3(0.0f, 0.0f, 0.0f);
  }
}

void BonusGeometry::setFaceMask(uint32_t quadrant, uint32_t mask) {
  if (quadrant < 4)
    m_faceMasks[quadrant] = mask;
}

Symbol BonusGeometry::getType() const { return SYM(L"bonus"); }

math::Vector3 BonusGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    math::Vector3 centre = local.center;
    for (uint32_t q = 0; q < 4; ++q)
      centre = math::resolveSphereBox(math::Sphere(centre, local.radius), cellCentre(q),
                                      blockcell::halfExtents(), math::SIDE_OUTSIDE, m_faceMasks[q]);
    return centre;
  });
}

bool BonusGeometry::overlapsSphere(const math::Sphere &sphere) const {
  for (uint32_t q = 0; q < 4; ++q)
    if (math::Box3D(cellCentre(q), blockcell::halfExtents()).intersects(sphere))
      return true;
  return false;
}
