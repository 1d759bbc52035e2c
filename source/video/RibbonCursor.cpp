#include "video/RibbonCursor.h"

#include "math/Quaternion.h"
#include "video/Canvas.h"
#include "video/RibbonRenderPass.h"
#include "video/TextureAccess.h"
#include "video/VertexRenderer.h"

namespace video {

namespace {

const math::Vector2 down(0.0f, -1.0f);

// Half a unit across the direction, turned the way the direction is from
// straight down.
math::Vector2 across(const math::Vector2 &direction) {
  math::Vector2 s(-0.5f, 0.0f);
  s.rotate(direction.angleTo(down));
  return s;
}

// The camera's up and forward axes, as its view matrix holds them.
math::Vector3 cameraUp(const CameraView &view) {
  const float *m = view.view.m;
  return math::Vector3(m[4], m[5], m[6]);
}
math::Vector3 cameraForward(const CameraView &view) {
  const float *m = view.view.m;
  return math::Vector3(-m[8], -m[9], -m[10]);
}

} // namespace

float ribbonTextureFactor(const RibbonRenderPass &pass) {
  unsigned int size = textureListedSize(pass.texture);
  return pass.texture && size > 0 ? 1.0f / float(size) : 1.0f;
}

math::Vector2 screenPoint(const Canvas &canvas, const math::Vector3 &point) {
  if (!canvas.camera())
    return math::Vector2(point.x, point.y);
  const CameraView &view = canvas.cameraView();
  math::Vector3 p = (view.projection * view.view).transformPoint(point);
  return math::Vector2(p.x, p.y);
}

void RibbonCursor::begin(Canvas &canvas, const math::Vector3 &first, const RibbonRenderPass &pass,
                         const math::Color &startColor) {
  canvas.vertexRenderer().begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
  t = pass.tOffset;
  textureFactor = ribbonTextureFactor(pass);
  color = startColor;
  started = false;
  lastPoint = first;
  if (pass.alignment == RIBBON_FACE_CAMERA) {
    lastScreenPoint = screenPoint(canvas, first);
    const CameraView &view = canvas.cameraView();
    side = canvas.camera() ? cameraForward(view).cross(cameraUp(view)) : math::Vector3(1, 0, 0);
  }
}

void RibbonCursor::addPoint(Canvas &canvas, const math::Vector3 &p, const RibbonRenderPass &pass,
                            float fraction) {
  math::Vector3 left;
  math::Vector2 q;
  switch (pass.alignment) {
  case RIBBON_XY: {
    math::Vector2 s = across(math::Vector2(p.x - lastPoint.x, p.y - lastPoint.y));
    left = math::Vector3(s.x, s.y, 0.0f);
    break;
  }
  case RIBBON_FACE_CAMERA: {
    q = screenPoint(canvas, p);
    math::Vector3 forward =
        canvas.camera() ? cameraForward(canvas.cameraView()) : math::Vector3(0, 0, -1);
    math::Quaternion turn;
    turn.setAxisAngle(forward, (q - lastScreenPoint).angleTo(down));
    left = turn.rotate(side * -0.5f);
    break;
  }
  default: {
    math::Vector2 s = across(math::Vector2(p.x - lastPoint.x, p.z - lastPoint.z));
    left = math::Vector3(s.x, 0.0f, s.y);
    break;
  }
  }
  if (!started) {
    emitPair(canvas, lastPoint, left, pass.lineWidthStart, color.a * pass.fade(0.0f), pass);
    started = true;
  }
  if (pass.texture)
    t += (p - lastPoint).length() * pass.tScale * textureFactor;
  emitPair(canvas, p, left, pass.width(fraction), color.a * pass.fade(fraction), pass);
  lastPoint = p;
  lastScreenPoint = q;
}

void RibbonCursor::end(Canvas &canvas) { canvas.vertexRenderer().end(); }

void RibbonCursor::emitPair(Canvas &canvas, const math::Vector3 &at, const math::Vector3 &left,
                            float width, float alpha, const RibbonRenderPass &pass) {
  math::Vector3 l = at + left * width;
  math::Vector3 r = at - left * width;
  canvas.setColor(math::Color(color.r, color.g, color.b, alpha));
  VertexRenderer &vr = canvas.vertexRenderer();
  vr.texCoord(pass.sLeft, t);
  vr.vertex(l);
  vr.texCoord(pass.sRight, t);
  vr.vertex(r);
}

} // namespace video
