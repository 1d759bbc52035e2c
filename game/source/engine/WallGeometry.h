#pragma once
// The walls of a floor region, through its wall set. The outline is stored
// already offset by the ball's radius, so the sphere's radius is not used.

#include "physics/WorldGeometry.h"

class WallSet;

class WallGeometry : public physics::WorldGeometry {
public:
  // The wall set is not owned.
  explicit WallGeometry(WallSet &walls);

  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  // With fewer than three corners there are no walls.
  bool overlapsSphere(const math::Sphere &sphere) const override;

private:
  WallSet &m_walls;
};
