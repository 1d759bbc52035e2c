#pragma once
// A solid sphere geometry.

#include "physics/WorldGeometry.h"

namespace physics {

class Sphere : public WorldGeometry {
public:
  math::Vector3 center;
  float radius;

  Sphere();
  Sphere(const math::Vector3 &center, float radius);

  void readFrom(const quip::Dictionary &dictionary) override;
  void writeTo(quip::Dictionary &dictionary) const override;
  Symbol getType() const override;
  bool hasBoundingRadius() const override { return true; }
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  WorldGeometry *clone() const override { return new Sphere(*this); }
  float getBoundingRadius() const override { return radius; }
  math::Box3D getBounds() const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  bool getLocalBounds(math::Box3D &bounds) const override;
  bool overlapsCapsule(const math::Capsule &capsule) const override;
};

} // namespace physics
