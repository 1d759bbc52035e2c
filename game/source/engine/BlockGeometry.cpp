#include "engine/BlockGeometry.h"

#include "math/SphereResolve.h"

BlockGeometry::BlockGeometry() { category = physics::CATEGORY_OBSTACLE; }

void BlockGeometry::setFaceMask(uint32_t quadrant, uint32_t mask) {
  (void)quadrant;
  m_faceMask = mask;
}

Symbol BlockGeometry::getType() const { return SYM(L"block"); }

math::Vector3 BlockGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    return math::resolveSphereBox(local, math::Vector3(), blockcell::halfExtents(),
                                  math::SIDE_OUTSIDE, m_faceMask);
  });
}

bool BlockGeometry::overlapsSphere(const math::Sphere &sphere) const {
  return math::Box3D(math::Vector3(), blockcell::halfExtents()).intersects(sphere);
}
