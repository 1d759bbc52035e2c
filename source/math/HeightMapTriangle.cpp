#include "math/HeightMap.h"

bool HeightMap::Triangle::isAbove(const math::Vector3 &p) const {
  return (p - corner[0]).dot(faceNormal) >= 0;
}

bool HeightMap::Triangle::containsXZ(const math::Vector3 &p) const {
  for (int k = 0; k < 3; ++k)
    if ((p - corner[k]).dot(sidePlaneNormal[k]) > 0)
      return false;
  return true;
}

bool HeightMap::Triangle::intersectRay(const math::Vector3 &start, const math::Vector3 &end,
                                       const math::Vector3 &direction, math::Vector3 &hit) const {
  const float d = faceNormal.dot(direction);
  if (d == 0)
    return false;
  const float t = -(faceNormal.dot(start) - faceNormal.dot(corner[0])) / d;
  if (t < 0 || t * t > (end - start).lengthSquared())
    return false;
  const math::Vector3 q = start + direction * t;
  if (!containsXZ(q))
    return false;
  hit = q;
  return true;
}

bool HeightMap::Triangle::overlapsCircle(const math::Vector2 &center, float radius) const {
  math::Vector2 corners[3];
  for (int k = 0; k < 3; ++k)
    corners[k].set(corner[k].x, corner[k].z);
  math::Vector2 axes[6] = {edgeNormal[0], edgeNormal[1], edgeNormal[2]};
  for (int k = 0; k < 3; ++k) {
    axes[3 + k] = center - corners[k];
    axes[3 + k].normalize();
  }
  for (const math::Vector2 &a : axes) {
    const float s = a.dot(center);
    float low = a.dot(corners[0]), high = low;
    for (int k = 1; k < 3; ++k) {
      const float x = a.dot(corners[k]);
      low = x < low ? x : low;
      high = x > high ? x : high;
    }
    if (high < s - radius || low > s + radius)
      return false;
  }
  return true;
}
