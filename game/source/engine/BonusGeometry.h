#pragma once
// A bonus block: four block cells in a 2 x 2 square from the origin cell,
// each with its own face mask (its two outer sides).

#include "engine/BlockGeometry.h"

class BonusGeometry : public BlockGeometry {
public:
  // Quadrant 0 at the origin cell, 1 above it, 2 above and right, 3 right.
  static math::Vector3 cellCentre(uint32_t quadrant);

  // A quadrant past 3 changes nothing.
  void setFaceMask(uint32_t quadrant, uint32_t mask) override;
  uint32_t faceMask(uint32_t quadrant) const { return m_faceMasks[quadrant]; }

  Symbol getType() const override;
  // Cells 0 to 3 in turn, each starting from where the one before left it.
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  // Each cell's faces.
  void renderGeometry(video::Canvas &canvas) const override;

private:
  uint32_t m_faceMasks[4] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
};
