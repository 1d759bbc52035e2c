#include "physics/HeightMapGeometry.h"

#include "math/HeightMap.h"

namespace physics {

namespace {
// Room for the triangles and edges of the cells around one atom.
constexpr int scratchSize = 32;
} // namespace

HeightMapGeometry::HeightMapGeometry(HeightMap *heightMap) : heightMap(heightMap) {
  category = CATEGORY_TERRAIN;
}

Symbol HeightMapGeometry::getType() const { return SYM(L"heightMapGeometry"); }

math::Vector3 HeightMapGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  if (heightMap == nullptr)
    return sphere.center;
  // Both modes work on the sphere in the map's frame, its radius scaled with
  // the frame, so a scaled map holds spheres at their own radius.
  if (useProjection)
    return resolveLocally(sphere, [this](const math::Sphere &local) {
      float h = 0;
      heightMap->project(local.center, &h, nullptr);
      math::Vector3 center = local.center;
      if (center.y - local.radius < h)
        center.y = h + local.radius;
      return center;
    });
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    const HeightMap::Triangle *triangles[scratchSize];
    const HeightMap::Edge *edges[scratchSize];
    return heightMap->resolveSphere(local, triangles, scratchSize, edges, scratchSize);
  });
}

bool HeightMapGeometry::overlapsSphere(const math::Sphere &sphere) const {
  const math::Sphere world = toWorld(sphere);
  return (resolve(world, world.center) - world.center).lengthSquared() > 1.0000001e-6f;
}

} // namespace physics
