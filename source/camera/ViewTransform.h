#pragma once
// Maps between a 2-D game's world (y up) and the screen's pixels (y down by
// default): an origin on each side and a scale pair each way. The owner keeps
// the two scale pairs reciprocal.

#include "math/Vector2.h"
#include "math/Vector2i.h"

class ViewTransform {
public:
  // 1: world y grows upward, so screen y is mirrored.
  int kind = 1;
  math::Vector2 worldOrigin;
  math::Vector2 worldSpare;
  math::Vector2 screenOrigin;
  math::Vector2 screenSpare;
  math::Vector2 worldPerPixel{1.0f, 1.0f};
  math::Vector2 pixelsPerWorld{1.0f, 1.0f};

  math::Vector2 worldToScreen(const math::Vector2 &p) const;
  math::Vector2 screenToWorld(const math::Vector2 &s) const;
  math::Vector2 screenToWorld(const math::Vector2i &s) const {
    return screenToWorld(math::Vector2(float(s.x), float(s.y)));
  }
  float scaleX(float length) const { return length * pixelsPerWorld.x; }
  float scaleY(float length) const { return length * pixelsPerWorld.y; }
};
