#pragma once
// The spokes of a fire: capsules of radius 1.0 from the hub to each tip,
// tested only for spheres within the fire's reach.

#include "physics/WorldGeometry.h"

class FireSpokes;
namespace video {
class Canvas;
}

class FireGeometry : public physics::WorldGeometry {
public:
  static constexpr float spokeRadius = 1.0f;

  // The fire is not owned.
  explicit FireGeometry(const FireSpokes &fire) : m_fire(fire) {}

  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  // A 3-D line of width 2.0 from the hub to each tip.
  void renderGeometry(video::Canvas &canvas) const;

private:
  bool withinReach(const math::Vector3 &centre, float radius) const;

  const FireSpokes &m_fire;
};
