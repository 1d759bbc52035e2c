#pragma once
// Axis-aligned box: a centre and the half size along each axis.

#include "math/Capsule.h"
#include "math/Sphere.h"
#include "math/Vector3.h"

namespace quip {
class Dictionary;
}

namespace math {

class Matrix4;
class Plane;
class Quaternion;
struct Contact;

class Box3D {
public:
  Vector3 center;
  Vector3 extents;

  Box3D() = default;
  Box3D(const Vector3 &center, const Vector3 &extents) : center(center), extents(extents) {}
  // Around both end spheres of the capsule.
  explicit Box3D(const Capsule &c);
  static Box3D fromCorners(const Vector3 &a, const Vector3 &b);

  Vector3 minimum() const { return center - extents; }
  Vector3 maximum() const { return center + extents; }
  void setExtents(const Vector3 &e) { extents = e; }

  void include(const Vector3 &p);
  void include(const Sphere &s);
  void include(const Box3D &b);

  // Strictly inside: a point on a face is outside.
  bool contains(const Vector3 &p) const;
  // Touching boxes intersect.
  bool intersects(const Box3D &b) const;
  // 0 inside.
  float distanceSquared(const Vector3 &p) const;
  // Strict: a sphere that only touches a face does not intersect.
  bool intersects(const Sphere &s) const { return distanceSquared(s.center) < s.radius * s.radius; }

  // The box turned about its centre; see Intersection.h.
  bool intersect(const Quaternion &rotation, const Sphere &sphere, Contact &contact) const;
  // The corners turned, then placed about the given centre, against the plane.
  bool intersect(const Matrix4 &turn, const Vector3 &center, const Plane &plane,
                 Contact &contact) const;
  bool intersect(const Quaternion &rotation, const Vector3 &center, const Plane &plane,
                 Contact &contact) const;
  // Separating axes of two turned boxes; touching boxes overlap.
  bool intersects(const Quaternion &rotation, const Box3D &other,
                  const Quaternion &otherRotation) const;

  // "center" and "extents" only when not zero.
  void save(quip::Dictionary &dictionary) const;
  // "center" and "extents" where present.
  void load(const quip::Dictionary &dictionary);

private:
  void includeCorners(const Vector3 &low, const Vector3 &high);
};

} // namespace math
