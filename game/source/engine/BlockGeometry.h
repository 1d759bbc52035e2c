#pragma once
// A block cell: a cube of side 3.0 about the geometry's origin, pushing
// through the faces named in its face mask only, so that balls roll along a
// row of blocks without catching on the faces between them.

#include "math/Color.h"
#include "math/Vector3.h"
#include "physics/WorldGeometry.h"

#include <cstdint>

namespace video {
class Canvas;
}

// What the game's geometries share.
namespace blockcell {
// Face bits of a cell; higher bits are passed on to the box routine.
enum : uint32_t { FACE_PLUS_X = 1, FACE_MINUS_X = 2, FACE_PLUS_Y = 4, FACE_MINUS_Y = 8 };
constexpr float halfExtent = 1.5f;
inline math::Vector3 halfExtents() { return math::Vector3(halfExtent, halfExtent, halfExtent); }
inline math::Color debugColour() { return math::Color(0.3f, 0.8f, 1.0f, 1.0f); }
// The named sides of the cell about the centre, as lines at x, y = +-1.5 in
// the current model space.
void drawFaces(video::Canvas &canvas, const math::Vector3 &centre, uint32_t faceMask);
} // namespace blockcell

class BlockGeometry : public physics::WorldGeometry {
public:
  BlockGeometry();

  // The block's own faces; the quadrant is for bonus blocks and is ignored.
  virtual void setFaceMask(uint32_t quadrant, uint32_t mask);
  uint32_t faceMask() const { return m_faceMask; }

  Symbol getType() const override;
  math::Vector3 resolve(const math::Sphere &sphere,
                        const math::Vector3 &previousPosition) const override;
  bool overlapsSphere(const math::Sphere &sphere) const override;
  // The sides in the face mask, in the block's placement.
  virtual void renderGeometry(video::Canvas &canvas) const;

private:
  uint32_t m_faceMask = 0xFFFFFFFFu;
};
