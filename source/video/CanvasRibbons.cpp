// Ribbons: 3-D lines, polylines, paths of the scene and 2-D splines drawn
// as textured triangle strips of varying width.

#include "math/Spline2D.h"
#include "math/Spline3D.h"
#include "video/Canvas.h"
#include "video/DisplayHost.h"
#include "video/RenderState.h"
#include "video/RibbonCursor.h"
#include "video/RibbonRenderPass.h"
#include "video/VertexRenderer.h"

namespace video {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);
const math::Vector2 down(0.0f, -1.0f);

// The point of segment s (2 to n - 2) at parameter t (0 to 1): each segment
// takes an equal share of the curve's parameter.
template <typename S> typename S::Point segmentPoint(const S &spline, uint32_t s, float t) {
  uint32_t segments = spline.controlPointCount() - 3;
  return spline.pointAt((float(s - 2) + t) / float(segments));
}

// A spline with something to draw: more than three points and a length.
template <typename S> bool drawable(const S &spline) {
  return spline.controlPointCount() > 3 && spline.length() > 0.0f;
}

// A 2-D strip, one pair of vertices at a time, optionally mapped from the
// game's world to the screen.
class FlatRibbon {
public:
  FlatRibbon(Canvas &canvas, const RibbonRenderPass &pass, bool map)
      : m_canvas(canvas), m_pass(pass), m_map(map), m_factor(ribbonTextureFactor(pass)),
        m_t(pass.tOffset) {
    canvas.vertexRenderer().begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
  }
  void advance(float length) {
    if (m_map)
      length = DisplayHost::instance().worldLengthToScreen(length);
    m_t += length * m_pass.tScale * m_factor;
  }
  // The pair across p, width w wide, turned by the direction d.
  void pair(const math::Vector2 &p, const math::Vector2 &d, float width, float alpha) {
    math::Vector2 s(-width / 2.0f, 0.0f);
    s.rotate(d.angleTo(down));
    math::Vector2 left = p + s, right = p - s;
    if (m_map) {
      left = DisplayHost::instance().worldToScreen(left);
      right = DisplayHost::instance().worldToScreen(right);
    }
    m_canvas.setColor(math::Color(1.0f, 1.0f, 1.0f, alpha));
    VertexRenderer &vr = m_canvas.vertexRenderer();
    vr.texCoord(m_pass.sLeft, m_t);
    vr.vertex(left.x, left.y, 0.0f);
    vr.texCoord(m_pass.sRight, m_t);
    vr.vertex(right.x, right.y, 0.0f);
  }
  void end() { m_canvas.vertexRenderer().end(); }

private:
  Canvas &m_canvas;
  const RibbonRenderPass &m_pass;
  bool m_map;
  float m_factor;
  float m_t;
};

} // namespace

void Canvas::beginRibbon(RibbonRenderPass &pass) {
  flush();
  renderState().setShadeModel(SHADE_SMOOTH);
  applyRenderPass(pass);
  applyMatrices();
}

void Canvas::drawRibbon(const math::Vector3 *points, uint32_t count, RibbonRenderPass &pass) {
  if (count < 2)
    return;
  beginRibbon(pass);
  // White: the pass colour is on the colour stack and applies once.
  RibbonCursor cursor;
  cursor.begin(*this, points[0], pass, white);
  for (uint32_t i = 1; i < count; ++i)
    cursor.addPoint(*this, points[i], pass, float(i) / float(count - 1));
  cursor.end(*this);
  releaseRenderPass(pass);
}

void Canvas::drawPolylineRibbon(const container::Vector<math::Vector3> &points,
                                RibbonRenderPass &pass) {
  drawRibbon(points.data(), points.size(), pass);
}

void Canvas::drawLine3D(const math::Vector3 &a, const math::Vector3 &b, const math::Color &color,
                        float width, bool depth, int blend) {
  RibbonRenderPass pass;
  pass.texture = lineTexture();
  pass.color = color;
  pass.blend = blend;
  pass.lit = false;
  pass.cull = false;
  pass.depthTest = depth;
  pass.depthWrite = depth;
  pass.depthFunction = COMPARE_LESS_OR_EQUAL;
  pass.alphaTest = true;
  pass.alphaFunction = COMPARE_GREATER;
  pass.alphaReference = 0.0f;
  pass.lineWidthStart = pass.lineWidthEnd = width;
  pass.alignment = m_camera ? RIBBON_FACE_CAMERA : RIBBON_XY;
  const math::Vector3 points[2] = {a, b};
  drawRibbon(points, 2, pass);
}

void Canvas::drawPathRibbon(const math::Spline3D &spline, RibbonRenderPass &pass) {
  if (!drawable(spline))
    return;
  uint32_t n = spline.controlPointCount();
  float total = spline.length();
  beginRibbon(pass);
  RibbonCursor cursor;
  cursor.begin(*this, segmentPoint(spline, 2, 0.0f), pass, white);
  float travelled = 0.0f;
  for (uint32_t s = 2; s + 1 < n; ++s) {
    float step = spline.segments()[s].length / float(pass.steps);
    for (uint32_t k = 1; k <= pass.steps; ++k) {
      travelled += step;
      cursor.addPoint(*this, segmentPoint(spline, s, float(k) / float(pass.steps)), pass,
                      travelled / total);
    }
  }
  cursor.end(*this);
  releaseRenderPass(pass);
}

void Canvas::drawSpline(const math::Spline2D &spline, RibbonRenderPass &pass, bool mapThroughView) {
  if (!drawable(spline))
    return;
  uint32_t n = spline.controlPointCount();
  float total = spline.length();
  beginRibbon(pass);
  FlatRibbon ribbon(*this, pass, mapThroughView);
  math::Vector2 previous = segmentPoint(spline, 2, 0.0f);
  ribbon.pair(previous, previous - spline.controlPoint(0), pass.lineWidthStart, pass.fade(0.0f));
  float distance = 0.0f;
  for (uint32_t s = 2; s + 1 < n; ++s) {
    for (uint32_t k = 1; k <= pass.steps; ++k) {
      math::Vector2 p = segmentPoint(spline, s, float(k) / float(pass.steps));
      math::Vector2 d = p - previous;
      float length = d.length();
      ribbon.advance(length);
      ribbon.pair(p, d, pass.width(distance / total), pass.fade((distance + length) / total));
      distance += length;
      previous = p;
    }
  }
  ribbon.end();
  releaseRenderPass(pass);
}

void Canvas::drawPolylineRibbon2D(const container::Vector<math::Vector2> &points,
                                  RibbonRenderPass &pass, bool mapThroughView) {
  uint32_t n = points.size();
  if (n < 2)
    return;
  beginRibbon(pass);
  FlatRibbon ribbon(*this, pass, mapThroughView);
  ribbon.pair(points[0], points[1] - points[0], pass.lineWidthStart, pass.fade(0.0f));
  for (uint32_t i = 1; i < n; ++i) {
    float f = float(i) / float(n - 1);
    math::Vector2 d = points[i] - points[i - 1];
    ribbon.advance(d.length());
    ribbon.pair(points[i], d, pass.width(f), pass.fade(f));
  }
  ribbon.end();
  releaseRenderPass(pass);
}

} // namespace video
