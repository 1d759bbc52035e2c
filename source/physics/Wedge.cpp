#include "physics/Wedge.h"

#include "math/Scalar.h"
#include "math/SphereResolve.h"
#include "quip/Token.h"

namespace physics {

namespace {
Symbol keyCenter() { return SYM(L"center"); }
Symbol keyExtents() { return SYM(L"extents"); }
} // namespace

Wedge::Wedge() { category = CATEGORY_OBSTACLE; }

Wedge::Wedge(const math::Vector3 &center, const math::Vector3 &extents)
    : center(center), extents(extents) {
  category = CATEGORY_OBSTACLE;
}

void Wedge::readFrom(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(keyCenter()))
    center.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(keyExtents()))
    extents.fromToken(*t);
  slopeNormal = math::Vector3(-extents.y, extents.x, 0);
  slopeNormal.normalize();
}

void Wedge::writeTo(quip::Dictionary &dictionary) const {
  WorldGeometry::writeTo(dictionary);
  dictionary.set(keyCenter(), center.toToken());
  dictionary.set(keyExtents(), extents.toToken());
}

Symbol Wedge::getType() const { return SYM(L"wedge"); }

math::Vector3 Wedge::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    return math::resolveSphereWedge(local, center, extents, slopeNormal);
  });
}

float Wedge::getBoundingRadius() const {
  return math::max<float>(
      math::max<float>(math::max<float>(math::abs<float>(extents.x), math::abs<float>(extents.y)),
                       math::abs<float>(extents.z)),
      0);
}

bool Wedge::overlapsSphere(const math::Sphere &sphere) const {
  const math::Vector3 moved = math::resolveSphereWedge(sphere, center, extents, slopeNormal);
  return (moved - sphere.center).lengthSquared() > 1.0000001e-6f;
}

bool Wedge::getLocalBounds(math::Box3D &bounds) const {
  if (!(extents.x >= 0 && extents.y >= 0 && extents.z >= 0))
    return false;
  bounds = math::Box3D(center, extents);
  return true;
}

} // namespace physics
