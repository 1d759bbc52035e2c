#include "billboard/Billboard2D.h"

#include "billboard/BillboardKeys.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "math/Scalar.h"
#include "quip/Token.h"
#include "texture/Texture.h"
#include "texture/TextureSimple.h"
#include "video/Canvas.h"
#include "video/Quad3D.h"

#include <cmath>

void Billboard2D::copyFrom(const Billboard2D &other) {
  Billboard::copyFrom(other);
  position = other.position;
}

void Billboard2D::render(video::Canvas &canvas) {
  if (!m_texture)
    return;
  settle();
  video::BillboardQuad quad;
  describe(quad);
  quad.position = math::Vector3(position.x, position.y, 0.0f);
  canvas.drawBillboard(quad);
}

void Billboard2D::read(Database *database, const quip::Dictionary &d) {
  Billboard::read(database, d);
  if (const quip::Token *t = d.lookup(billboardKeys().position))
    t->get(position);
}

void Billboard2D::write(quip::Dictionary &d) const {
  Billboard::write(d);
  if (position.x != 0.0f || position.y != 0.0f)
    d.set(billboardKeys().position, position.toToken());
}

bool Billboard2D::readField(Database *, file::ByteProducer &in, unsigned code) {
  if (code != 11)
    return false;
  file::read(position.x, in);
  file::read(position.y, in);
  return true;
}

void Billboard2D::writeFields(Database *database, file::ByteReceiver &out) const {
  Billboard2D reference;
  if (!m_prototype.isEmpty())
    reference.setPrototype(database, m_prototype);
  if (position.x != reference.position.x || position.y != reference.position.y) {
    file::write(uint8_t(11), out);
    file::write(position.x, out);
    file::write(position.y, out);
  }
}

Billboard *Billboard2D::makeReference(Database *) const { return new Billboard2D; }

math::Rectangle Billboard2D::boundingRectangle() const {
  math::Vector2 s(size.x * initialScale.x, size.y * initialScale.y);
  math::Vector2 corners[4];
  if (!centered) {
    math::Vector2 o = origin();
    o.x *= initialScale.x;
    o.y *= initialScale.y;
    corners[0] = math::Vector2(-o.x, s.y - o.y);
    corners[1] = math::Vector2(-o.x, -o.y);
    corners[2] = math::Vector2(s.x - o.x, s.y - o.y);
    corners[3] = math::Vector2(s.x - o.x, -o.y);
  } else {
    math::Vector2 h = s * 0.5f;
    corners[0] = math::Vector2(-h.x, h.y);
    corners[1] = math::Vector2(-h.x, -h.y);
    corners[2] = math::Vector2(h.x, h.y);
    corners[3] = math::Vector2(h.x, -h.y);
  }
  if (initialRotation != 0.0f) {
    double a = double(initialRotation) * math::degreesToRadians;
    float c = float(std::cos(a)), sn = float(std::sin(a));
    for (math::Vector2 &p : corners)
      p = math::Vector2(p.x * c + p.y * sn, p.y * c - p.x * sn);
  }
  math::Rectangle r;
  r.set(position.x + corners[0].x, position.y + corners[0].y, 0.0f, 0.0f);
  for (int i = 1; i < 4; ++i)
    r.include(position + corners[i]);
  return r;
}

bool Billboard2D::colorAt(const math::Vector2 &point, math::Color &out) const {
  if (initialScale.x == 0.0f || initialScale.y == 0.0f || size.x == 0.0f || size.y == 0.0f)
    return false;
  TextureSimple *frame = m_texture ? m_texture->currentFrame() : nullptr;
  if (!frame)
    return false;
  math::Vector2 p = point - position;
  if (initialRotation != 0.0f) {
    double a = -double(initialRotation) * math::degreesToRadians;
    float c = float(std::cos(a)), s = float(std::sin(a));
    p = math::Vector2(p.x * c + p.y * s, p.y * c - p.x * s);
  }
  p.x /= initialScale.x;
  p.y /= initialScale.y;
  math::Vector2 lo = centered ? size * -0.5f : origin() * -1.0f;
  math::Vector2 hi = lo + size;
  if (p.x < lo.x || p.x > hi.x || p.y < lo.y || p.y > hi.y)
    return false;
  math::Vector2 f((p.x - lo.x) / size.x, (size.y - (p.y - lo.y)) / size.y);
  math::Vector2 c[4];
  getTexCoords(c);
  float u = c[1].x + (c[3].x - c[1].x) * f.x;
  float v = c[3].y + (c[1].y - c[3].y) * f.y;
  // The image's own width when the texture lists no size (reading the pixel
  // loads the image).
  PixelBuffer *pixels = frame->pixels();
  float side =
      frame->listedSize ? float(frame->listedSize) : (pixels ? float(pixels->width()) : 0.0f);
  float px = u * side, py = v * side;
  if (px < 0.0f || py < 0.0f || side == 0.0f)
    return false;
  math::PackedColor packed = frame->colorAt(uint32_t(px), uint32_t(py));
  out = math::Color(packed.r / 255.0f, packed.g / 255.0f, packed.b / 255.0f, packed.a / 255.0f);
  return true;
}

void Billboard2D::drawThreeSlice(video::Canvas &canvas, Database *database, Symbol prototype,
                                 float capWidth, float width, const math::Vector2 &position,
                                 const math::Color &color) {
  Billboard2D b(database, prototype);
  b.settle();
  if (!b.m_texture || b.size.x == 0.0f)
    return;
  float w = std::max(width, 2.0f * capWidth);
  float u0 = b.texCoords[1].x, u1 = b.texCoords[2].x;
  float vTop = b.texCoords[0].y, vBottom = b.texCoords[1].y;
  float ua = u0 + (capWidth / b.size.x) * (u1 - u0);
  float ub = u0 + (1.0f - capWidth / b.size.x) * (u1 - u0);
  float yLow, yHigh;
  if (b.centered) {
    yLow = position.y - b.size.y / 2;
    yHigh = position.y + b.size.y / 2;
  } else {
    yLow = position.y - b.storedOrigin.y;
    yHigh = position.y + (b.size.y - b.storedOrigin.y);
  }
  float xs[4] = {position.x - w / 2, position.x - w / 2 + capWidth, position.x + w / 2 - capWidth,
                 position.x + w / 2};
  float us[4] = {u0, ua, ub, u1};
  video::Quad3D quad;
  quad.renderPass().texture = b.m_texture;
  quad.renderPass().lit = false;
  quad.renderPass().cull = false;
  quad.renderPass().depthTest = false;
  quad.renderPass().depthWrite = false;
  for (int i = 0; i < 4; ++i)
    quad.color(i) = color;
  for (int slice = 0; slice < 3; ++slice) {
    quad.position(0) = math::Vector3(xs[slice], yHigh, 0.0f);
    quad.position(1) = math::Vector3(xs[slice], yLow, 0.0f);
    quad.position(2) = math::Vector3(xs[slice + 1], yLow, 0.0f);
    quad.position(3) = math::Vector3(xs[slice + 1], yHigh, 0.0f);
    quad.texCoord(0) = math::Vector2(us[slice], vTop);
    quad.texCoord(1) = math::Vector2(us[slice], vBottom);
    quad.texCoord(2) = math::Vector2(us[slice + 1], vBottom);
    quad.texCoord(3) = math::Vector2(us[slice + 1], vTop);
    canvas.drawQuad3D(quad);
  }
}
