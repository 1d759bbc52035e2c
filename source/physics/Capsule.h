#pragma once
// A solid capsule geometry: every point within radius of a segment.

#include "physics/WorldGeometry.h"

namespace physics {

class Capsule : public WorldGeometry {
public:
  math::Vector3 start;
  math::Vector3 end;
  float radius;

  Capsule();
  explicit Capsule(const math::Capsule &capsule);

  void readFrom(const quip::Dictionary &dictionary) override;
  void writeTo(quip::Dictionary &dictionary) const override;
  Symbol getType() const override;
  bool hasBoundingRadius() const override { return true; }
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  WorldGeometry *clone() const override { return new Capsule(*this); }
  // The largest |coordinate| of either end, plus the radius.
  float getBoundingRadius() const override;
  math::Box3D getBounds() const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  bool getLocalBounds(math::Box3D &bounds) const override;
  bool overlapsCapsule(const math::Capsule &capsule) const override;

private:
  math::Capsule shape() const { return math::Capsule(start, end, radius); }
};

} // namespace physics
