#include "physics/Capsule.h"

#include "math/Intersection.h"
#include "math/Scalar.h"
#include "math/SphereResolve.h"
#include "quip/Token.h"

#include <cmath>

namespace physics {

namespace {
Symbol keyRadius() { return SYM(L"radius"); }
Symbol keyStart() { return SYM(L"start"); }
Symbol keyEnd() { return SYM(L"end"); }
} // namespace

Capsule::Capsule() : radius(0) { category = CATEGORY_OBSTACLE; }

Capsule::Capsule(const math::Capsule &capsule)
    : start(capsule.start), end(capsule.end), radius(capsule.radius) {
  category = CATEGORY_OBSTACLE;
}

void Capsule::readFrom(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(keyRadius()))
    t->get(radius);
  if (const quip::Token *t = dictionary.lookup(keyStart()))
    start.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(keyEnd()))
    end.fromToken(*t);
}

void Capsule::writeTo(quip::Dictionary &dictionary) const {
  WorldGeometry::writeTo(dictionary);
  dictionary.set(keyRadius(), quip::Token(radius));
  dictionary.set(keyEnd(), end.toToken());
  dictionary.set(keyStart(), start.toToken());
}

Symbol Capsule::getType() const { return SYM(L"capsule"); }

math::Vector3 Capsule::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    return math::resolveSphereCapsule(local, shape(), math::SIDE_OUTSIDE);
  });
}

float Capsule::getBoundingRadius() const {
  const float coordinates[6] = {start.x, start.y, start.z, end.x, end.y, end.z};
  float largest = math::abs<float>(coordinates[0]) + radius;
  for (int i = 1; i < 6; ++i)
    largest = math::max<float>(math::abs<float>(coordinates[i]) + radius, largest);
  return largest;
}

math::Box3D Capsule::getBounds() const {
  math::Box3D bounds(transform.apply(start), math::Vector3(radius, radius, radius));
  bounds.include(math::Sphere(transform.apply(end), radius));
  return bounds;
}

bool Capsule::overlapsSphere(const math::Sphere &sphere) const {
  return sphere.intersects(shape());
}

bool Capsule::overlapsCapsule(const math::Capsule &capsule) const {
  return shape().intersects(capsule);
}

bool Capsule::getLocalBounds(math::Box3D &bounds) const {
  bounds = math::Box3D::fromCorners(start, end);
  const float r = std::fabs(radius);
  bounds.extents += math::Vector3(r, r, r);
  return true;
}

} // namespace physics
