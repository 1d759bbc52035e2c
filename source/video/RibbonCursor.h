#pragma once
// Walks the points of one ribbon and emits a pair of vertices, left and
// right of the line, for each: one triangle strip through the canvas's
// vertex renderer.

#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"

namespace video {

class Canvas;
class RibbonRenderPass;

class RibbonCursor {
public:
  // Begins the strip at the first point, in the colour given.
  void begin(Canvas &canvas, const math::Vector3 &first, const RibbonRenderPass &pass,
             const math::Color &color);
  // The pair at the first point comes with the second point, which tells
  // its direction; fraction is how far along the ribbon the point lies.
  void addPoint(Canvas &canvas, const math::Vector3 &point, const RibbonRenderPass &pass,
                float fraction);
  // Draws the strip.
  void end(Canvas &canvas);

  float t = 0.0f;
  float textureFactor = 1.0f;
  math::Color color;
  math::Vector3 lastPoint;
  bool started = false;
  math::Vector2 lastScreenPoint;
  math::Vector3 side;

private:
  void emitPair(Canvas &canvas, const math::Vector3 &at, const math::Vector3 &left, float width,
                float alpha, const RibbonRenderPass &pass);
};

// 1 / the listed size of the pass's texture in pixels; 1 without one.
float ribbonTextureFactor(const RibbonRenderPass &pass);

// Where the canvas's camera shows a point (normalised screen coordinates);
// the point's x and y without a camera.
math::Vector2 screenPoint(const Canvas &canvas, const math::Vector3 &point);

} // namespace video
