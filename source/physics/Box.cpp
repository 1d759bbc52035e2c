#include "physics/Box.h"

#include "math/Scalar.h"
#include "math/SphereResolve.h"
#include "quip/Token.h"

namespace physics {

namespace {
Symbol keyCenter() { return SYM(L"center"); }
Symbol keyExtents() { return SYM(L"extents"); }
Symbol keyDirection() { return SYM(L"direction"); }
Symbol keyFaceMask() { return SYM(L"faceMask"); }
} // namespace

Box::Box() { category = CATEGORY_OBSTACLE; }

Box::Box(const math::Vector3 &center, const math::Vector3 &extents)
    : center(center), extents(extents) {
  category = CATEGORY_OBSTACLE;
}

void Box::readFrom(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(keyCenter()))
    center.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(keyExtents()))
    extents.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(keyDirection())) {
    Symbol side;
    if (t->get(side))
      direction = symbolToSide(side);
  }
  if (const quip::Token *t = dictionary.lookup(keyFaceMask()))
    t->get(faceMask);
}

void Box::writeTo(quip::Dictionary &dictionary) const {
  WorldGeometry::writeTo(dictionary);
  dictionary.set(keyCenter(), center.toToken());
  dictionary.set(keyExtents(), extents.toToken());
  if (direction != 1)
    dictionary.set(keyDirection(), quip::Token(sideToSymbol(direction), false));
  if (faceMask != 0xFFFFFFFFu)
    dictionary.set(keyFaceMask(), quip::Token(float(faceMask)));
}

Symbol Box::getType() const { return SYM(L"box"); }

math::Vector3 Box::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    return math::resolveSphereBox(local, center, extents, direction, faceMask);
  });
}

float Box::getBoundingRadius() const {
  return math::max<float>(
      math::max<float>(math::max<float>(math::abs<float>(extents.x), math::abs<float>(extents.y)),
                       math::abs<float>(extents.z)),
      0);
}

bool Box::overlapsSphere(const math::Sphere &sphere) const {
  const bool overlap = math::Box3D(center, extents).intersects(sphere);
  return direction == 1 ? overlap : !overlap;
}

bool Box::getLocalBounds(math::Box3D &bounds) const {
  // Held inside, a sphere is pulled in from anywhere.
  if (direction == math::SIDE_INSIDE || !(extents.x >= 0 && extents.y >= 0 && extents.z >= 0))
    return false;
  bounds = math::Box3D(center, extents);
  return true;
}

} // namespace physics
