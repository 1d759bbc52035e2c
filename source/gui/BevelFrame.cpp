#include "gui/BevelFrame.h"

#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "mesh/MeshBuild.h"
#include "shape/Shape.h"
#include "video/Canvas.h"
#include "video/VertexRenderer.h"

#include <algorithm>

namespace GUI {

namespace {

shape::Shape *makeStrip(uint32_t count) {
  auto *strip = new shape::Shape;
  strip->setVertexCount(count);
  strip->strips().push(mesh::runOfIndices(video::PRIMITIVE_TRIANGLE_STRIP, 0, count));
  return strip;
}

} // namespace

void frameRectangles(const math::Rectangle &r, float d, bool outside, math::Rectangle &outer,
                     math::Rectangle &inner) {
  if (outside) {
    inner = r;
    outer.set(r.x - d, r.y - d, r.width + 2 * d, r.height + 2 * d);
    return;
  }
  outer = r;
  float dx = std::min(d, 0.5f * r.width), dy = std::min(d, 0.5f * r.height);
  inner.set(r.x + dx, r.y + dy, r.width - 2 * dx, r.height - 2 * dy);
}

void frameVertices(const math::Rectangle &o, const math::Rectangle &i, math::Vector2 p[16]) {
  const math::Vector2 outerTopLeft(o.x, o.y + o.height), innerTopLeft(i.x, i.y + i.height);
  const math::Vector2 outerTopRight(o.x + o.width, o.y + o.height);
  const math::Vector2 innerTopRight(i.x + i.width, i.y + i.height);
  const math::Vector2 outerBottomRight(o.x + o.width, o.y), innerBottomRight(i.x + i.width, i.y);
  const math::Vector2 outerBottomLeft(o.x, o.y), innerBottomLeft(i.x, i.y);
  const math::Vector2 strip[16] = {
      outerTopLeft,     innerTopLeft,     outerTopRight,    innerTopRight,
      outerTopRight,    innerTopRight,    outerBottomRight, innerBottomRight,
      outerBottomRight, innerBottomRight, outerBottomLeft,  innerBottomLeft,
      outerBottomLeft,  innerBottomLeft,  outerTopLeft,     innerTopLeft};
  std::copy(strip, strip + 16, p);
}

void frameColors(const math::Color &light, const math::Color &medium, const math::Color &dark,
                 bool bevel, math::Color colors[16]) {
  for (int k = 0; k < 16; ++k) {
    bool outer = k % 2 == 0;
    // The outer corners of the first edge and of the last are lit.
    bool lit = k < 4 || k >= 12;
    colors[k] = !bevel || !outer ? medium : lit ? light : dark;
  }
}

void drawBevelFrame(video::Canvas &canvas, const math::Rectangle &outer,
                    const math::Rectangle &inner, const math::Color &light,
                    const math::Color &medium, const math::Color &dark, bool bevel) {
  if (outer.width <= 0 || outer.height <= 0)
    return;
  math::Vector2 positions[16];
  math::Color colors[16];
  frameVertices(outer, inner, positions);
  frameColors(light, medium, dark, bevel, colors);
  drawStrip(canvas, positions, colors, 16);
}

void drawBevelFrame(video::Canvas &canvas, const math::Rectangle &r, float width,
                    const math::Color &light, const math::Color &medium, const math::Color &dark,
                    bool bevel) {
  if (width <= 0)
    return;
  math::Rectangle outer, inner;
  frameRectangles(r, width, false, outer, inner);
  drawBevelFrame(canvas, outer, inner, light, medium, dark, bevel);
}

void drawStrip(video::Canvas &canvas, const math::Vector2 *positions, const math::Color *colors,
               int count) {
  static shape::Shape *const triangle = makeStrip(3);
  static shape::Shape *const frame = makeStrip(16);
  shape::Shape *strip = count == 3 ? triangle : count == 16 ? frame : nullptr;
  if (!strip)
    return;
  for (int k = 0; k < count; ++k) {
    strip->vertexPosition(uint32_t(k)) = math::Vector3(positions[k].x, positions[k].y, 0.0f);
    strip->vertexColor(uint32_t(k)) = colors[k];
  }
  canvas.drawShape(*strip);
}

} // namespace GUI
