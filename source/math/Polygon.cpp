#include "math/Polygon.h"

#include "math/ClosestPoint.h"

namespace math {

namespace {

// The cross product's sign, computed in float and truncated toward zero; the
// conversion saturates instead of overflowing.
int sideTest(float ax, float ay, float bx, float by, float px, float py) {
  const float c = (bx - ax) * (py - ay) - (px - ax) * (by - ay);
  if (c >= 2147483647.0f)
    return 2147483647;
  if (c <= -2147483648.0f)
    return -2147483647 - 1;
  if (!(c == c))
    return 0;
  return int(c);
}

// a.y, b.y and p.y are the second coordinate of the form (y or z).
int crossing(float ax, float ay, float bx, float by, float px, float py) {
  if (ay <= py)
    return by > py && sideTest(ax, ay, bx, by, px, py) >= 1 ? 1 : 0;
  return by <= py && sideTest(ax, ay, bx, by, px, py) < 0 ? -1 : 0;
}

} // namespace

int windingNumber(const Points2D &points, const Vector2 &p) {
  int w = 0;
  const uint32_t n = points.size();
  for (uint32_t i = 0; i < n; ++i) {
    const Vector2 &a = points[i], &b = points[(i + 1) % n];
    w += crossing(a.x, a.y, b.x, b.y, p.x, p.y);
  }
  return w;
}

int windingNumber(const Points3D &points, const Vector3 &p) {
  int w = 0;
  const uint32_t n = points.size();
  for (uint32_t i = 0; i < n; ++i) {
    const Vector3 &a = points[i], &b = points[(i + 1) % n];
    w += crossing(a.x, a.z, b.x, b.z, p.x, p.z);
  }
  return w;
}

bool polygonContains(const Points2D &points, const Vector2 &p) {
  return points.isEmpty() || windingNumber(points, p) != 0;
}

bool polygonContains(const Points3D &points, const Vector3 &p) {
  return points.isEmpty() || windingNumber(points, p) != 0;
}

Vector2 closestPointOnPolygon(const Points2D &points, const Vector2 &p) {
  Vector2 best;
  float bestDistance = 0;
  const uint32_t n = points.size();
  for (uint32_t i = 0; i < n; ++i) {
    Vector2 closest;
    float t;
    closestPointOnSegment2D(Segment2D(points[i], points[(i + 1) % n]), p, closest, t);
    const float distance = (closest - p).lengthSquared();
    if (i == 0 || distance < bestDistance) {
      best = closest;
      bestDistance = distance;
    }
  }
  return best;
}

Vector3 closestPointOnPolygon(const Points3D &points, const Vector3 &p) {
  Vector3 best;
  float bestDistance = 0;
  const uint32_t n = points.size();
  for (uint32_t i = 0; i < n; ++i) {
    // The edge lifted (or lowered) to p's height.
    const Vector3 a(points[i].x, p.y, points[i].z);
    const Vector3 b(points[(i + 1) % n].x, p.y, points[(i + 1) % n].z);
    Vector3 closest;
    float t;
    closestPointOnSegment(a, b - a, p, closest, t);
    const float distance = (closest - p).lengthSquared();
    if (i == 0 || distance < bestDistance) {
      best = closest;
      bestDistance = distance;
    }
  }
  return best;
}

bool isNearPolygon(const Points2D &points, const Vector2 &p, float distance) {
  if (polygonContains(points, p))
    return true;
  return (closestPointOnPolygon(points, p) - p).lengthSquared() < distance * distance;
}

bool isNearPolygon(const Points3D &points, const Vector3 &p, float distance) {
  if (polygonContains(points, p))
    return true;
  return (closestPointOnPolygon(points, p) - p).lengthSquared() < distance * distance;
}

} // namespace math
