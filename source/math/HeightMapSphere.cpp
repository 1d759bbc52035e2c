#include "math/HeightMap.h"

#include "math/ClosestPoint.h"
#include "math/Plane.h"
#include "math/SphereResolve.h"

#include <bit>

namespace {

// One Newton step on the bit-pattern estimate, as the other push-outs use.
float fastInverseSquareRoot(float q) {
  const int32_t bits = std::bit_cast<int32_t>(q);
  const float y = std::bit_cast<float>(int32_t(0x5f3759df - (bits >> 1)));
  return y * (1.5f - 0.5f * q * y * y);
}

math::Vector3 closestPoint(const HeightMap::Edge &edge, const math::Vector3 &p) {
  math::Vector3 closest;
  float t;
  math::closestPointOnSegment(edge.start, edge.delta, p, closest, t);
  return closest;
}

bool edgeWithinReach(const HeightMap::Edge &edge, const math::Sphere &sphere, float margin) {
  const float reach = sphere.radius + margin;
  return (sphere.center - closestPoint(edge, sphere.center)).lengthSquared() <= reach * reach;
}

bool faceWithinReach(const HeightMap::Triangle &t, const math::Sphere &sphere, float margin) {
  return t.containsXZ(sphere.center) &&
         math::Plane(t.corner[0], t.faceNormal).distance(sphere.center) <= sphere.radius + margin;
}

math::Vector3 onFront(const HeightMap::Triangle &t, const math::Vector3 &center, float radius) {
  return math::resolveSpherePlane(math::Sphere(center, radius),
                                  math::Plane(t.corner[0], t.faceNormal), math::SIDE_OUTSIDE);
}

} // namespace

int HeightMap::collectTriangles(const math::Sphere &sphere, const Triangle **triangles,
                                int capacity) const {
  int edgeCount = 0;
  return collectTrianglesAndEdges(sphere, triangles, capacity, nullptr, 0, edgeCount);
}

// Both triangles of each cell of the sphere's block, each cell's diagonal,
// and the cell's own x and z sides where they lie inside the block.
int HeightMap::collectTrianglesAndEdges(const math::Sphere &sphere, const Triangle **triangles,
                                        int triangleCapacity, const Edge **edges, int edgeCapacity,
                                        int &edgeCount) const {
  int i0, i1, j0, j1;
  gridBlock(sphere, i0, i1, j0, j1);
  int count = 0;
  edgeCount = 0;
  auto addEdge = [&](const Edge &e) {
    if (edgeCount < edgeCapacity)
      edges[edgeCount++] = &e;
  };
  for (int i = i0; i < i1; ++i)
    for (int j = j0; j < j1; ++j) {
      const Cell &c = cell(i, j);
      for (const Triangle &t : c.tri)
        if (count < triangleCapacity)
          triangles[count++] = &t;
      addEdge(c.edge[0]);
      if (i > i0)
        addEdge(c.edge[1]);
      if (j > j0)
        addEdge(c.edge[3]);
    }
  return count;
}

bool HeightMap::overlapsSphere(const math::Sphere &sphere, float margin, const Triangle **triangles,
                               int triangleCapacity, const Edge **edges, int edgeCapacity) const {
  float h = 0;
  if (project(sphere.center, &h, nullptr) && sphere.center.y <= h + sphere.radius + margin)
    return true;
  int edgeCount = 0;
  const int count =
      collectTrianglesAndEdges(sphere, triangles, triangleCapacity, edges, edgeCapacity, edgeCount);
  for (int k = 0; k < count; ++k)
    if (faceWithinReach(*triangles[k], sphere, margin))
      return true;
  for (int k = 0; k < edgeCount; ++k)
    if (edgeWithinReach(*edges[k], sphere, margin))
      return true;
  return false;
}

math::Vector3 HeightMap::resolveSphere(const math::Sphere &sphere, const Triangle **triangles,
                                       int triangleCapacity, const Edge **edges,
                                       int edgeCapacity) const {
  const float r = sphere.radius;
  int edgeCount = 0;
  const int count =
      collectTrianglesAndEdges(sphere, triangles, triangleCapacity, edges, edgeCapacity, edgeCount);
  math::Vector3 center = sphere.center;
  for (int k = 0; k < count; ++k)
    if (triangles[k]->containsXZ(center))
      center = onFront(*triangles[k], center, r);
  for (int k = 0; k < edgeCount; ++k) {
    const math::Vector3 closest = closestPoint(*edges[k], center);
    const math::Vector3 away = center - closest;
    const float q = away.lengthSquared();
    if (!(q < r * r))
      continue;
    center =
        q == 0 ? closest + math::Vector3(r, 0, 0) : closest + away * (r * fastInverseSquareRoot(q));
  }
  float h = 0;
  const Triangle *under = nullptr;
  project(center, &h, &under);
  if (center.y < h + r) {
    if (under != nullptr)
      center = onFront(*under, center, r);
    else
      center.y = h + r;
  }
  return center;
}
