#include "engine/FireGeometry.h"

#include "engine/FireSpokes.h"
#include "math/Capsule.h"
#include "math/SphereResolve.h"

Symbol FireGeometry::getType() const { return SYM(L"fire"); }

bool FireGeometry::withinReach(const math::Vector3 &centre, float radius) const {
  const float reach = m_fire.reach() + radius;
  return (centre - m_fire.hubPosition()).lengthSquared() < reach * reach;
}

bool FireGeometry::overlapsSphere(const math::Sphere &sphere) const {
  if (!withinReach(sphere.center, sphere.radius))
    return false;
  const math::Vector3 hub = m_fire.hubPosition();
  for (const math::Vector3 &tip : m_fire.spokeTips())
    if (sphere.intersects(math::Capsule(hub, tip, spokeRadius)))
      return true;
  return false;
}

math::Vector3 FireGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  if (!withinReach(sphere.center, sphere.radius))
    return sphere.center;
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    const math::Vector3 hub = m_fire.hubPosition();
    math::Vector3 centre = local.center;
    for (const math::Vector3 &tip : m_fire.spokeTips())
      centre = math::resolveSphereCapsule(math::Sphere(centre, local.radius),
                                          math::Capsule(hub, tip, spokeRadius), math::SIDE_OUTSIDE);
    return centre;
  });
}
