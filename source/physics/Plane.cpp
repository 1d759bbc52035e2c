#include "physics/Plane.h"

#include "math/Intersection.h"
#include "math/SphereResolve.h"
#include "quip/Token.h"

namespace physics {

Plane::Plane() { category = CATEGORY_OBSTACLE; }

Plane::Plane(const math::Plane &plane) : plane(plane) { category = CATEGORY_OBSTACLE; }

void Plane::readFrom(const quip::Dictionary &dictionary) { plane.load(dictionary); }

void Plane::writeTo(quip::Dictionary &dictionary) const {
  WorldGeometry::writeTo(dictionary);
  plane.save(dictionary);
}

Symbol Plane::getType() const { return SYM(L"plane"); }

math::Vector3 Plane::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    return math::resolveSpherePlane(local, plane, math::SIDE_OUTSIDE);
  });
}

bool Plane::overlapsSphere(const math::Sphere &sphere) const { return sphere.intersects(plane); }

} // namespace physics
