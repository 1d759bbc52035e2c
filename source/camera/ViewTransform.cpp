#include "camera/ViewTransform.h"

math::Vector2 ViewTransform::worldToScreen(const math::Vector2 &p) const {
  float x = (p.x - worldOrigin.x) * pixelsPerWorld.x + screenOrigin.x;
  float y = (p.y - worldOrigin.y) * pixelsPerWorld.y;
  return math::Vector2(x, kind == 1 ? screenOrigin.y - y : screenOrigin.y + y);
}

math::Vector2 ViewTransform::screenToWorld(const math::Vector2 &s) const {
  float x = (s.x - screenOrigin.x) * worldPerPixel.x + worldOrigin.x;
  float dy = kind == 1 ? screenOrigin.y - s.y : s.y - screenOrigin.y;
  return math::Vector2(x, dy * worldPerPixel.y + worldOrigin.y);
}
