#pragma once
// Ground made of a height map. In projection mode (the default) a sphere is
// simply lifted until its lowest point is on the surface under its centre;
// in triangle mode it is pushed out of the faces and edges around it. Outside
// the grid the ground is the plane y = 0. Not made by the factory: the owner
// builds it around its own map.

#include "physics/WorldGeometry.h"

class HeightMap;

namespace physics {

class HeightMapGeometry : public WorldGeometry {
public:
  // Not owned.
  HeightMap *heightMap;
  bool useProjection = true;

  explicit HeightMapGeometry(HeightMap *heightMap);

  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  // Whether resolve would move the sphere (given in the local frame).
  bool overlapsSphere(const math::Sphere &sphere) const override;
};

} // namespace physics
