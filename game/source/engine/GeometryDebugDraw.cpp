// The debug view of the game's geometries: outlines in one colour, drawn by
// the objects that own them while their debug view is on.

#include "engine/BlockGeometry.h"
#include "engine/BonusGeometry.h"
#include "engine/CylinderGeometry.h"
#include "engine/FireGeometry.h"
#include "engine/FireSpokes.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace {

constexpr float lineWidth = 1.0f;

void line(video::Canvas &canvas, float x0, float y0, float x1, float y1) {
  canvas.drawLine(math::Vector2(x0, y0), math::Vector2(x1, y1), blockcell::debugColour(), lineWidth,
                  false, video::BLEND_NORMAL);
}

} // namespace

void blockcell::drawFaces(video::Canvas &canvas, const math::Vector3 &centre, uint32_t faceMask) {
  const float e = halfExtent;
  const float x = centre.x, y = centre.y;
  if (faceMask & FACE_PLUS_X)
    line(canvas, x + e, y - e, x + e, y + e);
  if (faceMask & FACE_MINUS_X)
    line(canvas, x - e, y - e, x - e, y + e);
  if (faceMask & FACE_PLUS_Y)
    line(canvas, x - e, y + e, x + e, y + e);
  if (faceMask & FACE_MINUS_Y)
    line(canvas, x - e, y - e, x + e, y - e);
}

void BlockGeometry::renderGeometry(video::Canvas &canvas) const {
  canvas.pushMatrix();
  canvas.applyPlacement(transform);
  blockcell::drawFaces(canvas, math::Vector3(), m_faceMask);
  canvas.popMatrix();
}

void BonusGeometry::renderGeometry(video::Canvas &canvas) const {
  canvas.pushMatrix();
  canvas.applyPlacement(transform);
  for (uint32_t q = 0; q < 4; ++q)
    blockcell::drawFaces(canvas, cellCentre(q), m_faceMasks[q]);
  canvas.popMatrix();
}

void CylinderGeometry::renderGeometry(video::Canvas &canvas) const {
  canvas.pushMatrix();
  canvas.applyPlacement(transform);
  canvas.drawCircle(m_radius, blockcell::debugColour(), lineWidth);
  canvas.popMatrix();
}

void FireGeometry::renderGeometry(video::Canvas &canvas) const {
  const math::Vector3 hub = m_fire.hubPosition();
  for (const math::Vector3 &tip : m_fire.spokeTips())
    canvas.drawLine3D(hub, tip, blockcell::debugColour(), 2.0f, false, video::BLEND_NORMAL);
}
