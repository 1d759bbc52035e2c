#pragma once
// A wedge geometry: the half of a box under the diagonal from its (-x, -y)
// edge to its (+x, +y) edge, extruded along z. The slope normal comes from
// the extents when read; a wedge built in code sets it itself.

#include "physics/WorldGeometry.h"

namespace physics {

class Wedge : public WorldGeometry {
public:
  math::Vector3 center;
  math::Vector3 extents;
  // Points out of the slope.
  math::Vector3 slopeNormal;

  Wedge();
  Wedge(const math::Vector3 &center, const math::Vector3 &extents);

  void readFrom(const quip::Dictionary &dictionary) override;
  void writeTo(quip::Dictionary &dictionary) const override;
  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  WorldGeometry *clone() const override { return new Wedge(*this); }
  // The largest |extent|.
  float getBoundingRadius() const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  bool getLocalBounds(math::Box3D &bounds) const override;
};

} // namespace physics
