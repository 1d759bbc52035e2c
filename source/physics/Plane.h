#pragma once
// A one-sided plane geometry: spheres are held on the side the normal points
// to, and one behind it is brought to the front.

#include "math/Plane.h"
#include "physics/WorldGeometry.h"

namespace physics {

class Plane : public WorldGeometry {
public:
  math::Plane plane;

  Plane();
  explicit Plane(const math::Plane &plane);

  void readFrom(const quip::Dictionary &dictionary) override;
  void writeTo(quip::Dictionary &dictionary) const override;
  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  WorldGeometry *clone() const override { return new Plane(*this); }
  bool overlapsSphere(const math::Sphere &sphere) const override;
};

} // namespace physics
