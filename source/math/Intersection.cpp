#include "math/Intersection.h"

#include "math/Circle.h"
#include "math/ClosestPoint.h"
#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/SphereResolve.h"

#include <cmath>

namespace math {

namespace {

float closestSquaredDistance(const Vector3 &start, const Vector3 &end, const Vector3 &p) {
  Vector3 closest;
  float t;
  closestPointOnSegment(start, end - start, p, closest, t);
  return (closest - p).lengthSquared();
}

float capsulesSquaredDistance(const Segment3D &a, const Segment3D &b) {
  Vector3 onA, onB;
  closestPointsOfSegments(a, b, onA, onB);
  return (onA - onB).lengthSquared();
}

Vector3 randomUnit() {
  Vector3 v;
  v.setRandomDirection();
  return v;
}

} // namespace

// Spheres.

bool Sphere::containsStrictly(const Vector3 &p) const {
  return (p - center).lengthSquared() < radius * radius;
}

bool Sphere::intersect(const Sphere &other, Contact &contact) const {
  const Vector3 d = other.center - center;
  const float reach = radius + other.radius;
  const float q = d.lengthSquared();
  if (!(q < reach * reach))
    return false;
  if (q == 0) {
    contact.normal = randomUnit();
    contact.depth = reach;
    return true;
  }
  const float distance = std::sqrt(q);
  contact.normal = d / distance;
  contact.depth = reach - distance;
  return true;
}

bool Sphere::intersects(const Plane &plane) const { return plane.distance(center) < radius; }

bool Sphere::intersect(const Plane &plane, Contact &contact) const {
  const float s = plane.distance(center);
  if (!(s < radius))
    return false;
  contact.normal = plane.normal * -1.0f;
  contact.depth = radius - s;
  return true;
}

bool Sphere::intersects(const Capsule &capsule) const {
  const float reach = radius + capsule.radius;
  return closestSquaredDistance(capsule.start, capsule.end, center) < reach * reach;
}

bool Sphere::intersects(const Segment3D &segment) const {
  return closestSquaredDistance(segment.start, segment.end, center) < radius * radius;
}

// Capsules.

bool Capsule::contains(const Vector3 &p) const {
  return closestSquaredDistance(start, end, p) < radius * radius;
}

bool Capsule::intersects(const Capsule &other) const {
  const float reach = radius + other.radius;
  return capsulesSquaredDistance(Segment3D(start, end), Segment3D(other.start, other.end)) <
         reach * reach;
}

bool Capsule::intersects(const Segment3D &segment) const {
  return capsulesSquaredDistance(Segment3D(start, end), segment) < radius * radius;
}

// Segments.

bool Segment3D::intersectPlane(const Plane &plane, Vector3 &hit, Vector3 &direction,
                               float &distance) const {
  direction = end - start;
  if (direction.normalize() == 0)
    return false;
  Vector3 point;
  float t;
  if (!plane.intersectLine(start, direction, point, t) || t < 0)
    return false;
  hit = point;
  distance = t;
  return true;
}

int Segment3D::intersectSphere(const Sphere &sphere, Vector3 &nearPoint, Vector3 &farPoint) const {
  Vector3 d = end - start;
  d.normalize();
  const Vector3 w = sphere.center - start;
  const float b = d.dot(w);
  const float disc = b * b - w.lengthSquared() + sphere.radius * sphere.radius;
  if (disc < 0)
    return 0;
  if (disc == 0) {
    nearPoint = start + d * b;
    return 1;
  }
  const float s = std::sqrt(disc);
  nearPoint = start + d * (b - s);
  farPoint = start + d * (b + s);
  return 2;
}

bool Segment3D::intersectsSphere(const Sphere &sphere, Vector3 &point) const {
  Vector3 closest;
  float t;
  closestPoint(sphere.center, closest, t);
  if (!((closest - sphere.center).lengthSquared() < sphere.radius * sphere.radius))
    return false;
  point = closest;
  return true;
}

bool Segment2D::intersectsCircle(const Circle &circle, Vector2 &point) const {
  Vector2 closest;
  float t;
  closestPoint(circle.position, closest, t);
  if (!((closest - circle.position).lengthSquared() < circle.radius * circle.radius))
    return false;
  point = closest;
  return true;
}

// Turned boxes.

bool Box3D::intersect(const Quaternion &rotation, const Sphere &sphere, Contact &contact) const {
  Quaternion inverse = rotation;
  inverse.conjugate();
  const Vector3 local = inverse.rotate(sphere.center - center);
  const Vector3 moved = resolveSphereBox(Sphere(local, sphere.radius), Vector3(0, 0, 0), extents,
                                         SIDE_OUTSIDE, FACE_ALL);
  if ((moved - local).lengthSquared() <= 1e-8f)
    return false;
  const Vector3 d = (rotation.rotate(moved) + center) - sphere.center;
  const float distance = d.length();
  contact.normal = distance == 0 ? randomUnit() : d / distance;
  contact.depth = distance;
  return true;
}

namespace {

// The deepest corner behind the plane, if any.
template <typename Turn>
bool boxAgainstPlane(const Vector3 &extents, Turn &&turn, const Vector3 &center, const Plane &plane,
                     Contact &contact) {
  bool any = false;
  float deepest = 0;
  for (int i = 0; i < 8; ++i) {
    const Vector3 corner((i & 1) ? extents.x : -extents.x, (i & 2) ? extents.y : -extents.y,
                         (i & 4) ? extents.z : -extents.z);
    const float s = plane.distance(turn(corner) + center);
    if (s > 0)
      continue;
    if (!any || s < deepest)
      deepest = s;
    any = true;
  }
  if (!any)
    return false;
  contact.normal = plane.normal * -1.0f;
  contact.depth = -deepest;
  return true;
}

} // namespace

bool Box3D::intersect(const Matrix4 &turn, const Vector3 &at, const Plane &plane,
                      Contact &contact) const {
  // Only the matrix's rotation part turns the corners; the centre places them.
  auto rotate = [&turn](const Vector3 &v) {
    const float *m = turn.m;
    return Vector3(m[0] * v.x + m[1] * v.y + m[2] * v.z, m[4] * v.x + m[5] * v.y + m[6] * v.z,
                   m[8] * v.x + m[9] * v.y + m[10] * v.z);
  };
  return boxAgainstPlane(extents, rotate, at, plane, contact);
}

bool Box3D::intersect(const Quaternion &rotation, const Vector3 &at, const Plane &plane,
                      Contact &contact) const {
  auto rotate = [&rotation](const Vector3 &v) { return rotation.rotate(v); };
  return boxAgainstPlane(extents, rotate, at, plane, contact);
}

bool Box3D::intersects(const Quaternion &rotation, const Box3D &other,
                       const Quaternion &otherRotation) const {
  const Vector3 units[3] = {Vector3(1, 0, 0), Vector3(0, 1, 0), Vector3(0, 0, 1)};
  Vector3 a[3], b[3];
  for (int i = 0; i < 3; ++i) {
    a[i] = rotation.rotate(units[i]);
    b[i] = otherRotation.rotate(units[i]);
  }
  const float ea[3] = {extents.x, extents.y, extents.z};
  const float eb[3] = {other.extents.x, other.extents.y, other.extents.z};
  const Vector3 between = other.center - center;

  // Touching boxes overlap. Cross products of nearly parallel axes have no
  // direction to speak of and are skipped.
  auto separates = [&](const Vector3 &axis) {
    if (axis.lengthSquared() < 1e-10f)
      return false;
    float reach = 0;
    for (int i = 0; i < 3; ++i)
      reach += ea[i] * std::fabs(a[i].dot(axis)) + eb[i] * std::fabs(b[i].dot(axis));
    return std::fabs(between.dot(axis)) > reach;
  };
  for (int i = 0; i < 3; ++i)
    if (separates(a[i]) || separates(b[i]))
      return false;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (separates(a[i].cross(b[j])))
        return false;
  return true;
}

} // namespace math
