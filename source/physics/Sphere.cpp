#include "physics/Sphere.h"

#include "math/Intersection.h"
#include "math/SphereResolve.h"
#include "quip/Token.h"

#include <cmath>

namespace physics {

namespace {
Symbol keyCenter() { return SYM(L"center"); }
Symbol keyRadius() { return SYM(L"radius"); }
} // namespace

Sphere::Sphere() : radius(0) { category = CATEGORY_OBSTACLE; }

Sphere::Sphere(const math::Vector3 &center, float radius) : center(center), radius(radius) {
  category = CATEGORY_OBSTACLE;
}

void Sphere::readFrom(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(keyCenter()))
    center.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(keyRadius()))
    t->get(radius);
}

void Sphere::writeTo(quip::Dictionary &dictionary) const {
  WorldGeometry::writeTo(dictionary);
  dictionary.set(keyCenter(), center.toToken());
  dictionary.set(keyRadius(), quip::Token(radius));
}

Symbol Sphere::getType() const { return SYM(L"sphere"); }

math::Vector3 Sphere::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    return math::resolveSphereSphere(local, math::Sphere(center, radius), math::SIDE_OUTSIDE);
  });
}

math::Box3D Sphere::getBounds() const {
  return math::Box3D(transform.apply(center), math::Vector3(radius, radius, radius));
}

bool Sphere::overlapsSphere(const math::Sphere &sphere) const {
  // Strict, like the other overlap tests: touching spheres do not overlap.
  const float reach = radius + sphere.radius;
  return (sphere.center - center).lengthSquared() < reach * reach;
}

bool Sphere::overlapsCapsule(const math::Capsule &capsule) const {
  return math::Sphere(center, radius).intersects(capsule);
}

bool Sphere::getLocalBounds(math::Box3D &bounds) const {
  const float r = std::fabs(radius);
  bounds = math::Box3D(center, math::Vector3(r, r, r));
  return true;
}

} // namespace physics
