#pragma once
// A sphere, and the volume and area formulas of spheres and their caps.

#include "math/Vector3.h"

namespace quip {
class Dictionary;
}

namespace math {

class Box3D;
class Capsule;
class Plane;
class Segment3D;
struct Contact;

class Sphere {
public:
  Vector3 center;
  float radius;

  Sphere() : radius(0) {}
  Sphere(const Vector3 &center, float radius) : center(center), radius(radius) {}
  // Around the box: its centre, the length of its extents.
  explicit Sphere(const Box3D &box);

  // The surface counts as inside.
  bool contains(const Vector3 &p) const { return (p - center).lengthSquared() <= radius * radius; }
  // Touching spheres intersect.
  bool intersects(const Sphere &s) const {
    float r = radius + s.radius;
    return (center - s.center).lengthSquared() <= r * r;
  }

  // Overlap tests (strict: touching does not count); see Intersection.h.
  bool containsStrictly(const Vector3 &p) const;
  bool intersect(const Sphere &other, Contact &contact) const;
  // A sphere wholly behind the plane counts.
  bool intersects(const Plane &plane) const;
  bool intersect(const Plane &plane, Contact &contact) const;
  bool intersects(const Capsule &capsule) const;
  bool intersects(const Segment3D &segment) const;

  // "radius" and "center" only when not zero.
  void save(quip::Dictionary &dictionary) const;
  // "radius" and "center" where present.
  void load(const quip::Dictionary &dictionary);

  static float volume(float r);
  static float surfaceArea(float r);
  // Between the radii a and b.
  static float shellVolume(float a, float b);
  // A cap of height h (at most the diameter).
  static float capVolume(float r, float h);
  static float capArea(float r, float h);
  static float radiusFromVolume(float v);
};

} // namespace math
