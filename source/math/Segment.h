#pragma once
// Line segments in 3-D and 2-D, and the contact that some overlap tests
// report. Unless a rule says otherwise, overlap tests are strict: shapes that
// only touch do not overlap.

#include "math/Vector2.h"
#include "math/Vector3.h"

namespace math {

class Plane;
class Sphere;
class Circle;

// An overlap of two shapes: the unit normal points from the first shape into
// the second (the second moves along it to separate, the first against it),
// and the depth is how far.
struct Contact {
  Vector3 normal;
  float depth = 0;
};

class Segment3D {
public:
  Vector3 start;
  Vector3 end;

  Segment3D() = default;
  Segment3D(const Vector3 &start, const Vector3 &end) : start(start), end(end) {}

  Vector3 direction() const { return end - start; }

  // The nearest point of the segment and its parameter in [0, 1].
  void closestPoint(const Vector3 &point, Vector3 &closest, float &t) const;

  // The ray from start along the normalised direction against the plane; the
  // segment's length does not limit the hit. False when the ray is parallel
  // to the plane or points away from it, and for a segment of zero length;
  // hit and distance are then untouched.
  bool intersectPlane(const Plane &plane, Vector3 &hit, Vector3 &direction, float &distance) const;
  // The whole line through the segment against the sphere: 0, 1 (near only)
  // or 2 points.
  int intersectSphere(const Sphere &sphere, Vector3 &nearPoint, Vector3 &farPoint) const;
  // The segment's closest point to the centre, when strictly inside.
  bool intersectsSphere(const Sphere &sphere, Vector3 &point) const;
};

class Segment2D {
public:
  Vector2 start;
  Vector2 end;

  Segment2D() = default;
  Segment2D(const Vector2 &start, const Vector2 &end) : start(start), end(end) {}

  void closestPoint(const Vector2 &point, Vector2 &closest, float &t) const;
  // The segment's closest point to the centre, when strictly inside.
  bool intersectsCircle(const Circle &circle, Vector2 &point) const;
};

} // namespace math
