#pragma once
// An infinite plane: a point on it and a normal. The distance operations
// expect a unit normal; only load and normalize make it so.

#include "math/Vector3.h"

namespace quip {
class Dictionary;
}

namespace math {

class Plane {
public:
  Vector3 point;
  Vector3 normal;

  // The ground plane: through the origin, normal +y.
  Plane() : point(0, 0, 0), normal(0, 1, 0) {}
  Plane(const Vector3 &point, const Vector3 &normal) : point(point), normal(normal) {}
  // Through three points; the normal (b - a) x (c - a) is not normalised.
  Plane(const Vector3 &a, const Vector3 &b, const Vector3 &c) { set(a, b, c); }
  Plane(const Plane &) = default;
  Plane &operator=(const Plane &) = default;
  void set(const Vector3 &a, const Vector3 &b, const Vector3 &c) {
    point = a;
    normal = (b - a).cross(c - a);
  }

  void normalize() { normal.normalize(); }
  float constant() const { return normal.dot(point); }
  // a x + b y + c z = d on the plane.
  void getEquation(float &a, float &b, float &c, float &d) const {
    a = normal.x;
    b = normal.y;
    c = normal.z;
    d = constant();
  }
  // Signed: positive on the side the normal points to.
  float distance(const Vector3 &p) const { return normal.dot(p) - normal.dot(point); }
  // The foot of the perpendicular.
  Vector3 project(const Vector3 &p) const { return p - normal * distance(p); }

  // The whole line through origin along direction (t of any sign); false,
  // with hit and t untouched, when the line is parallel to the plane.
  bool intersectLine(const Vector3 &origin, const Vector3 &direction, Vector3 &hit, float &t) const;
  // The line through segment[0] and segment[1]; t is not limited to [0, 1].
  // "point" then "normal".
  void save(quip::Dictionary &dictionary) const;
  // "point" and "normal" where present; a normal read is normalised.
  void load(const quip::Dictionary &dictionary);

  bool intersectSegment(const Vector3 *segment, Vector3 &hit, float &t) const;
};

} // namespace math
