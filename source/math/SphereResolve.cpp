#include "math/SphereResolve.h"

#include "math/Box3D.h"
#include "math/ClosestPoint.h"
#include "math/Scalar.h"

#include <bit>
#include <cmath>

namespace math {

namespace {

// One Newton step on the classic bit-pattern estimate; the push-out runs for
// every atom against every sphere each step.
float fastInverseSquareRoot(float q) {
  const int32_t bits = std::bit_cast<int32_t>(q);
  float y = std::bit_cast<float>(int32_t(0x5F3759DF - (bits >> 1)));
  return y * (1.5f - 0.5f * q * y * y);
}

float clamp(float x, float low, float high) { return min<float>(max<float>(x, low), high); }

// The sphere at p against the segment (a thin capsule), in the caller's frame.
Vector3 resolveAgainstEdge(const Vector3 &p, float r, const Vector3 &from, const Vector3 &to,
                           uint32_t side) {
  return resolveSphereCapsule(Sphere(p, r), Capsule(from, to, 0), side);
}

} // namespace

Vector3 resolveSphereSphere(const Sphere &a, const Sphere &b, uint32_t side) {
  Vector3 d = a.center - b.center;
  const float q = d.lengthSquared();
  float t = 0;
  if (side == SIDE_OUTSIDE) {
    t = a.radius + b.radius;
    if (!(q < t * t))
      return a.center;
  } else if (side == SIDE_INSIDE) {
    t = max<float>(0, b.radius - a.radius);
    if (!(q > t * t))
      return a.center;
  }
  if (q == 0)
    d = Vector3(t, 0, 0);
  else
    d *= t * fastInverseSquareRoot(q);
  return b.center + d;
}

Vector3 resolveSphereCapsule(const Sphere &sphere, const Capsule &capsule, uint32_t side) {
  Vector3 closest;
  float t;
  closestPointOnSegment(capsule.start, capsule.end - capsule.start, sphere.center, closest, t);
  return resolveSphereSphere(sphere, Sphere(closest, capsule.radius), side);
}

Vector3 resolveSpherePlane(const Sphere &sphere, const Plane &plane, uint32_t side) {
  const float s = plane.distance(sphere.center);
  const Vector3 &n = plane.normal;
  if (side == SIDE_INSIDE) {
    if (s <= -sphere.radius)
      return sphere.center;
    return (sphere.center - n * s) - n * sphere.radius;
  }
  if (s >= sphere.radius)
    return sphere.center;
  return (sphere.center - n * s) + n * sphere.radius;
}

Vector3 resolveSphereBox(const Sphere &sphere, const Vector3 &center, const Vector3 &extents,
                         uint32_t side, uint32_t faceMask) {
  if (faceMask == 0)
    return sphere.center;
  Vector3 p = sphere.center - center;
  const float r = sphere.radius;
  const Vector3 &e = extents;

  if (side == SIDE_INSIDE) {
    const Vector3 room = e - Vector3(r, r, r);
    if (abs(p.x) <= room.x && abs(p.y) <= room.y && abs(p.z) <= room.z)
      return sphere.center;
    p.set(clamp(p.x, -room.x, room.x), clamp(p.y, -room.y, room.y), clamp(p.z, -room.z, room.z));
    return center + p;
  }

  if (!Box3D(center, extents).intersects(sphere))
    return sphere.center;

  // Edges: one whose two faces p lies beyond and whose two face bits are set.
  // Within a group the first that applies wins; a later group's result
  // replaces an earlier one's.
  const bool beyond[6] = {p.x > e.x, p.x<-e.x, p.y> e.y, p.y<-e.y, p.z> e.z, p.z < -e.z};
  auto applies = [&](int f0, int f1) {
    return beyond[f0] && beyond[f1] && (faceMask & (1u << f0)) && (faceMask & (1u << f1));
  };
  struct Edge {
    int face0, face1;
    Vector3 from, to;
  };
  const Edge groups[3][4] = {
      {{0, 2, {e.x, e.y, -e.z}, {e.x, e.y, e.z}},
       {0, 3, {e.x, -e.y, -e.z}, {e.x, -e.y, e.z}},
       {1, 2, {-e.x, e.y, -e.z}, {-e.x, e.y, e.z}},
       {1, 3, {-e.x, -e.y, -e.z}, {-e.x, -e.y, e.z}}},
      {{2, 4, {-e.x, e.y, e.z}, {e.x, e.y, e.z}},
       {2, 5, {-e.x, e.y, -e.z}, {e.x, e.y, -e.z}},
       {3, 4, {-e.x, -e.y, e.z}, {e.x, -e.y, e.z}},
       {3, 5, {-e.x, -e.y, -e.z}, {e.x, -e.y, -e.z}}},
      {{0, 4, {e.x, -e.y, e.z}, {e.x, e.y, e.z}},
       {0, 5, {e.x, -e.y, -e.z}, {e.x, e.y, -e.z}},
       {1, 4, {-e.x, -e.y, e.z}, {-e.x, e.y, e.z}},
       {1, 5, {-e.x, -e.y, -e.z}, {-e.x, e.y, -e.z}}},
  };
  bool onEdge = false;
  Vector3 edgeResult;
  for (const auto &group : groups) {
    for (const Edge &edge : group) {
      if (!applies(edge.face0, edge.face1))
        continue;
      edgeResult = resolveAgainstEdge(p, r, edge.from, edge.to, side);
      onEdge = true;
      break;
    }
  }
  if (onEdge)
    return center + edgeResult;

  // Faces: the shallowest push among the enabled ones, the first on a tie.
  const Vector3 E = e + Vector3(r, r, r);
  const float depths[6] = {abs(E.x - p.x),  abs(-E.x - p.x), abs(E.y - p.y),
                           abs(-E.y - p.y), abs(E.z - p.z),  abs(-E.z - p.z)};
  int best = -1;
  for (int f = 0; f < 6; ++f) {
    if (!(faceMask & (1u << f)))
      continue;
    if (best < 0 || depths[f] < depths[best])
      best = f;
  }
  switch (best) {
  case 0:
    p.x = E.x;
    break;
  case 1:
    p.x = -E.x;
    break;
  case 2:
    p.y = E.y;
    break;
  case 3:
    p.y = -E.y;
    break;
  case 4:
    p.z = E.z;
    break;
  case 5:
    p.z = -E.z;
    break;
  default:
    return sphere.center;
  }
  return center + p;
}

Vector3 resolveSphereWedge(const Sphere &sphere, const Vector3 &center, const Vector3 &extents,
                           const Vector3 &slopeNormal) {
  Vector3 p = sphere.center - center;
  const float r = sphere.radius;
  const Vector3 &e = extents;
  const Vector3 &n = slopeNormal;
  const Vector3 K0(e.x, e.y, e.z), K1(e.x, -e.y, e.z), K2(-e.x, -e.y, e.z);
  const Vector3 K3(e.x, e.y, -e.z), K4(e.x, -e.y, -e.z), K5(-e.x, -e.y, -e.z);
  // Down and up the slope.
  const Vector3 A(-n.y, n.x, 0), B(n.y, -n.x, 0);
  const Vector3 S = e + n * r;
  auto behind = [&](const Vector3 &q, const Vector3 &m) { return (p - q).dot(m) < 0; };
  auto onSlope = [&]() { return p + n * (S - p).dot(n); };
  const bool withinZ = -e.z < p.z && p.z < e.z;

  if (abs(p.x) > e.x + r || abs(p.y) > e.y + r || abs(p.z) > e.z + r || !behind(S, n))
    return sphere.center;

  if ((p - K0).dot(n) > 0 && (p - S).dot(n) < 0 && behind(K0, B) && behind(K2, A) && withinZ)
    return center + onSlope();
  if (-e.x < p.x && p.x < e.x && -e.y - r < p.y && p.y < -e.y && withinZ) {
    p.y = -e.y - r;
    return center + p;
  }
  if (e.x < p.x && p.x < e.x + r && -e.y < p.y && p.y < e.y && withinZ) {
    p.x = e.x + r;
    return center + p;
  }
  const bool underSlope = behind(K0, n) && p.x < e.x && p.y > -e.y;
  if (underSlope && e.z < p.z && p.z < e.z + r) {
    p.z = e.z + r;
    return center + p;
  }
  if (underSlope && -e.z - r < p.z && p.z < -e.z) {
    p.z = -e.z - r;
    return center + p;
  }
  if (underSlope && withinZ) {
    // Inside: the nearest way out, the first on a tie.
    const Vector3 candidates[5] = {Vector3(p.x, p.y, e.z + r), Vector3(p.x, p.y, -e.z - r),
                                   Vector3(e.x + r, p.y, p.z), Vector3(p.x, -e.y - r, p.z),
                                   onSlope()};
    int best = 0;
    float bestDistance = (candidates[0] - p).lengthSquared();
    for (int i = 1; i < 5; ++i) {
      const float distance = (candidates[i] - p).lengthSquared();
      if (distance < bestDistance) {
        best = i;
        bestDistance = distance;
      }
    }
    return center + candidates[best];
  }

  const Vector3 *from = nullptr;
  const Vector3 *to = nullptr;
  if (p.y > e.y && !behind(K0, B))
    from = &K0, to = &K3;
  else if (p.x > e.x && p.y < -e.y)
    from = &K1, to = &K4;
  else if (p.x < -e.x && !behind(K2, A))
    from = &K2, to = &K5;
  else if (!behind(K0, n) && p.z > e.z)
    from = &K0, to = &K2;
  else if (!behind(K3, n) && p.z < -e.z)
    from = &K3, to = &K5;
  else if (p.x > e.x && p.z > e.z)
    from = &K1, to = &K0;
  else if (p.x > e.x && p.z < -e.z)
    from = &K4, to = &K3;
  else if (p.y < -e.y && p.z > e.z)
    from = &K1, to = &K2;
  else if (p.y < -e.y && p.z < -e.z)
    from = &K4, to = &K5;
  if (from == nullptr)
    return sphere.center;
  return center + resolveAgainstEdge(p, r, *from, *to, SIDE_OUTSIDE);
}

} // namespace math
