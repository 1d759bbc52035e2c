#include "math/Plane.h"

namespace math {

bool Plane::intersectLine(const Vector3 &origin, const Vector3 &direction, Vector3 &hit,
                          float &t) const {
  if (distance(origin) == 0.0f) {
    hit = origin;
    t = 0.0f;
    return true;
  }
  float k = normal.dot(direction);
  if (k == 0.0f)
    return false;
  t = -(normal.dot(origin) - constant()) / k;
  hit = origin + direction * t;
  return true;
}

bool Plane::intersectSegment(const Vector3 *segment, Vector3 &hit, float &t) const {
  const Vector3 &start = segment[0];
  const Vector3 &end = segment[1];
  if (distance(start) == 0.0f) {
    hit = start;
    t = 0.0f;
    return true;
  }
  if (distance(end) == 0.0f) {
    hit = end;
    t = 1.0f;
    return true;
  }
  Vector3 dir = end - start;
  float k = normal.dot(dir);
  if (k == 0.0f)
    return false;
  t = -(normal.dot(start) - constant()) / k;
  hit = start + dir * t;
  return true;
}

} // namespace math
