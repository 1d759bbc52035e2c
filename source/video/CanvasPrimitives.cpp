// Lines, outlines, circles and filled rectangles, drawn at once through the
// vertex renderer.

#include "file/Database.h"
#include "math/Rectangle.h"
#include "video/Canvas.h"
#include "video/RenderState.h"
#include "video/TextureAccess.h"
#include "video/VertexRenderer.h"

namespace video {

namespace {

const math::Vector2 up(0.0f, 1.0f);
const int circleSegments = 48;
const float circleStep = 360.0f / float(circleSegments);

} // namespace

Texture *Canvas::lineTexture() {
  static const Symbol name = Symbol::intern(L"corvaneCanvasLine");
  if (!m_lineTexture) {
    if (Database *database = Database::current())
      m_lineTexture = findTexture(*database, name);
  }
  return m_lineTexture;
}

void Canvas::forgetTexture(Texture *texture) {
  renderState().forgetTexture(texture);
  if (m_lineTexture == texture)
    m_lineTexture = nullptr;
}

void Canvas::drawLine(const math::Vector2 &a, const math::Vector2 &b, const math::Color &color,
                      float width, bool depth, int blend) {
  flush();
  RenderState &state = renderState();
  state.setLighting(false);
  state.setCulling(false);
  state.setDepthWrite(effectiveDepthWrite(depth));
  state.setDepthTest(effectiveDepthTest(depth));
  state.setDepthFunction(effectiveDepthFunction(COMPARE_LESS_OR_EQUAL));
  state.setAlphaTest(true);
  state.setAlphaFunction(COMPARE_GREATER, 0.0f);
  state.setBlending(true);
  state.setBlendMode(effectiveBlendMode(blend));
  state.setTexture(lineTexture(), 0);

  // A unit vector across the line: (1, 0) turned as far as the line is from
  // straight up.
  math::Vector2 across(1.0f, 0.0f);
  across.rotate((b - a).angleTo(up));
  math::Vector2 o = across * width;

  setColor(color);
  applyMatrices();
  VertexRenderer &vr = vertexRenderer();
  vr.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
  vr.texCoord(0.0f, 1.0f);
  vr.vertex(a.x + o.x, a.y + o.y, 0.0f);
  vr.texCoord(1.0f, 1.0f);
  vr.vertex(a.x - o.x, a.y - o.y, 0.0f);
  vr.texCoord(0.0f, 0.0f);
  vr.vertex(b.x + o.x, b.y + o.y, 0.0f);
  vr.texCoord(1.0f, 0.0f);
  vr.vertex(b.x - o.x, b.y - o.y, 0.0f);
  vr.end();
  state.setAlphaTest(false);
}

void Canvas::strokeRect(float x, float y, float width, float height, float lineWidth,
                        const math::Color &color) {
  float h = lineWidth / 2.0f;
  math::Vector2 bottomLeft(x - h, y - h), topLeft(x - h, y + height + h);
  math::Vector2 topRight(x + width + h, y + height + h), bottomRight(x + width + h, y - h);
  drawLine(bottomLeft, topLeft, color, lineWidth, false, BLEND_NORMAL);
  drawLine(topLeft, topRight, color, lineWidth, false, BLEND_NORMAL);
  drawLine(topRight, bottomRight, color, lineWidth, false, BLEND_NORMAL);
  drawLine(bottomRight, bottomLeft, color, lineWidth, false, BLEND_NORMAL);
}

void Canvas::strokeRect(const math::Rectangle &r, float lineWidth, const math::Color &color) {
  strokeRect(r.x, r.y, r.width, r.height, lineWidth, color);
}

void Canvas::drawCircle(float radius, const math::Color &color, float lineWidth) {
  const math::Vector2 first(0.0f, radius);
  math::Vector2 previous = first;
  for (int i = 1; i <= circleSegments; ++i) {
    math::Vector2 next = first;
    next.rotate(circleStep * float(i));
    drawLine(previous, next, color, lineWidth, false, BLEND_NORMAL);
    previous = next;
  }
}

void Canvas::fillQuad(float x, float y, float width, float height, const math::Color *colors,
                      bool translucent, int blend) {
  flush();
  RenderState &state = renderState();
  state.setTexture(nullptr, 0);
  state.setLighting(false);
  state.setCulling(false);
  state.setDepthWrite(effectiveDepthWrite(false));
  state.setDepthTest(effectiveDepthTest(false));
  int mode = effectiveBlendMode(blend);
  state.setBlendMode(mode);
  state.setBlending(translucent || !colorStackTopOpaque() || mode != BLEND_NORMAL);
  applyMatrices();
  VertexRenderer &vr = vertexRenderer();
  vr.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
  setColor(colors[0]);
  vr.vertex(x, y + height, 0.0f);
  setColor(colors[1]);
  vr.vertex(x, y, 0.0f);
  setColor(colors[2]);
  vr.vertex(x + width, y + height, 0.0f);
  setColor(colors[3]);
  vr.vertex(x + width, y, 0.0f);
  vr.end();
}

void Canvas::fillRect(float x, float y, float width, float height, const math::Color &color,
                      int blend) {
  const math::Color colors[4] = {color, color, color, color};
  fillQuad(x, y, width, height, colors, color.a < 1.0f, blend);
}

void Canvas::fillRect(const math::Rectangle &r, const math::Color &color, int blend) {
  fillRect(r.x, r.y, r.width, r.height, color, blend);
}

void Canvas::fillRectCentered(const math::Vector2 &center, float width, float height,
                              const math::Color &color, int blend) {
  fillRect(center.x - width / 2.0f, center.y - height / 2.0f, width, height, color, blend);
}

void Canvas::fillRectCorners(float x, float y, float width, float height, const math::Color &color1,
                             const math::Color &color2, const math::Color &color3,
                             const math::Color &color4, int blend) {
  const math::Color colors[4] = {color1, color2, color3, color4};
  bool translucent = color1.a < 1.0f || color2.a < 1.0f || color3.a < 1.0f || color4.a < 1.0f;
  fillQuad(x, y, width, height, colors, translucent, blend);
}

void Canvas::fillRect(const math::Rectangle &r, const math::Color &color1,
                      const math::Color &color2, const math::Color &color3,
                      const math::Color &color4, int blend) {
  fillRectCorners(r.x, r.y, r.width, r.height, color1, color2, color3, color4, blend);
}

} // namespace video
