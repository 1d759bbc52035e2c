#pragma once
// A round post standing on the plane: it pushes spheres out sideways,
// keeping their height.

#include "physics/WorldGeometry.h"

namespace video {
class Canvas;
}

class CylinderGeometry : public physics::WorldGeometry {
public:
  explicit CylinderGeometry(float radius) : m_radius(radius) {}

  float radius() const { return m_radius; }
  void setRadius(float radius) { m_radius = radius; }
  Symbol getType() const override;
  // Uses only the placement's position; a centre on the axis goes along +x.
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  // A circle of the radius in the placement.
  void renderGeometry(video::Canvas &canvas) const;

private:
  float m_radius;
};
