// The view operations that the constructor, the loader and the update share.

#include "engine/Level.h"

#include "math/Plane.h"
#include "math/Segment.h"
#include "video/Window.h"

#include <cmath>

namespace {

// The sphere whose on-screen size batched sprites take.
constexpr float spriteRadius = 4.173913f;

bool hitGround(const math::Segment3D &line, math::Vector3 &hit) {
  const math::Plane ground(math::Vector3(0.0f, 0.0f, 0.0f), math::Vector3(0.0f, 0.0f, 1.0f));
  math::Vector3 direction;
  float distance;
  return line.intersectPlane(ground, hit, direction, distance);
}

} // namespace

math::Vector3 Level::cameraHome() const {
  if (m_fitsOnScreen)
    return math::Vector3(0.0f, 0.0f, cameraHeight);
  return math::Vector3(m_ballStart.x, m_ballStart.y, cameraHeight);
}

void Level::refreshVisibleRectangle() {
  const math::Vector2 size = video::Window::screenSize();
  math::Vector3 a, b;
  // A corner ray that misses the ground (a tilted camera looking past the
  // horizon) leaves the rectangle as it was.
  if (!hitGround(m_camera.pickLineAtPixel(math::Vector2(0.0f, 0.0f)), a) ||
      !hitGround(m_camera.pickLineAtPixel(size), b))
    return;
  m_visibleMin = a;
  m_visibleMax = b;
  cellRange(a, b, m_visibleCellLow, m_visibleCellHigh);
}

namespace {

// A point far off or no number at all (a damaged saved game) still gives a
// cell number the cast can hold, far past any grid.
int32_t cellNumber(float v) {
  constexpr float limit = 1.0e9f;
  if (std::isnan(v))
    return int32_t(limit);
  return int32_t(v < -limit ? -limit : (v > limit ? limit : v));
}

} // namespace

void Level::cellRange(const math::Vector3 &a, const math::Vector3 &b, math::Vector2i &low,
                      math::Vector2i &high) {
  low.x = cellNumber(std::floor(std::fmin(a.x, b.x) / cellSize));
  low.y = cellNumber(std::floor(std::fmin(a.y, b.y) / cellSize));
  high.x = cellNumber(std::ceil(std::fmax(a.x, b.x) / cellSize));
  high.y = cellNumber(std::ceil(std::fmax(a.y, b.y) / cellSize));
}

void Level::refreshSpriteSize() {
  const math::Vector3 &eye = m_camera.position();
  const math::Vector3 centre(eye.x, eye.y, 0.0f);
  const math::Vector3 across = m_camera.right() * spriteRadius;
  const math::Vector2 p1 = m_camera.projectToPixel(centre + across);
  const math::Vector2 p2 = m_camera.projectToPixel(centre - across);
  m_spriteSize = std::fabs(p2.x - p1.x) * 0.5f;
}

void Level::setFieldOfView() {
  const math::Vector2 size = video::Window::screenSize();
  const float w = std::fmax(size.x, 1.0f);
  const float h = std::fmax(size.y, 1.0f);
  if (w >= h)
    m_camera.setFov(math::Vector2(60.0f, 60.0f * h / w));
  else
    m_camera.setFov(math::Vector2(60.0f * w / h, 60.0f));
}
