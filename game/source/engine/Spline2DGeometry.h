#pragma once
// The band along a tube's path: spheres are kept half the band's width
// (plus their radius) away from the curve, on whichever side they are.

#include "math/Rectangle.h"
#include "physics/WorldGeometry.h"

namespace math {
class BSpline2D;
}

class Spline2DGeometry : public physics::WorldGeometry {
public:
  // The spline is not owned; the owner sets the half width and the bounds.
  explicit Spline2DGeometry(math::BSpline2D &spline) : m_spline(&spline) {}

  float halfWidth = 0.0f;
  // Spheres whose reach misses it are not tested against the curve.
  math::Rectangle bounds;

  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;

private:
  // The nearest point of the curve to the centre's (x, y), when the sphere
  // can reach the band at all.
  bool nearest(const math::Sphere &local, math::Vector2 &offset, float &reach) const;

  math::BSpline2D *m_spline;
};
