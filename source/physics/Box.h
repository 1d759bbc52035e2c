#pragma once
// A box geometry (centre and half extents in its own frame) that holds
// spheres outside it or, with direction 0 ("inside"), within it. Only the
// faces whose bits are in faceMask push.

#include "physics/WorldGeometry.h"

namespace physics {

class Box : public WorldGeometry {
public:
  math::Vector3 center;
  math::Vector3 extents;
  // 1 outside, 0 inside.
  uint32_t direction = 1;
  // Face bits: 1 = +x, 2 = -x, 4 = +y, 8 = -y, 16 = +z, 32 = -z.
  uint32_t faceMask = 0xFFFFFFFFu;

  Box();
  Box(const math::Vector3 &center, const math::Vector3 &extents);

  void readFrom(const quip::Dictionary &dictionary) override;
  void writeTo(quip::Dictionary &dictionary) const override;
  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  WorldGeometry *clone() const override { return new Box(*this); }
  // The largest |extent|.
  float getBoundingRadius() const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  bool getLocalBounds(math::Box3D &bounds) const override;
};

} // namespace physics
