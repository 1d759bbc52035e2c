#include "math/Rectangle.h"

#include "file/BinaryPrimitives.h"
#include "math/Circle.h"
#include "math/Scalar.h"
#include "math/ScriptForms.h"

#include <cmath>

namespace math {

namespace {

// Normalises one axis: a negative extent moves the corner to the other end.
void normalizeAxis(float &position, float &extent) {
  if (extent < 0) {
    position += extent;
    extent = -extent;
  }
}

// Grows [position, position + extent] to reach both low and high.
void includeSpan(float &position, float &extent, float low, float high) {
  if (high > position + extent)
    extent = high - position;
  if (low < position) {
    extent = (position + extent) - low;
    position = low;
  }
}

// Through a 32-bit integer, as the pixel grid wants; values outside the int
// range saturate instead of being undefined.
float wholeNumber(double v) {
  if (std::isnan(v))
    return 0.0f;
  if (v >= 2147483647.0)
    return float(INT32_MAX);
  if (v <= -2147483648.0)
    return float(INT32_MIN);
  return float(int32_t(v));
}

} // namespace

Rectangle::Rectangle(float w, float h, bool centered) : width(w), height(h) {
  if (centered) {
    x = w * -0.5f;
    y = h * -0.5f;
  }
}

void Rectangle::normalize() {
  normalizeAxis(x, width);
  normalizeAxis(y, height);
}

void Rectangle::include(const Vector2 &p) {
  normalizeAxis(x, width);
  if (x + width < p.x)
    width = p.x - x;
  if (p.x < x) {
    width = (x + width) - p.x;
    x = p.x;
  }
  normalizeAxis(y, height);
  if (y + height < p.y)
    height = p.y - y;
  if (p.y < y) {
    height = (y + height) - p.y;
    y = p.y;
  }
}

void Rectangle::include(const Rectangle &other) {
  normalize();
  Rectangle r = other;
  r.normalize();
  includeSpan(x, width, r.x, r.x + r.width);
  includeSpan(y, height, r.y, r.y + r.height);
}

void Rectangle::include(const Circle &c) {
  normalize();
  includeSpan(x, width, c.position.x - c.radius, c.position.x + c.radius);
  includeSpan(y, height, c.position.y - c.radius, c.position.y + c.radius);
}

bool Rectangle::contains(const Circle &c) const {
  float left = x, right = x + width, top = y, bottom = y + height;
  if (width < 0)
    swap(left, right);
  if (height < 0)
    swap(top, bottom);
  const Vector2 &p = c.position;
  return p.x - c.radius >= left && p.x + c.radius <= right && p.y - c.radius >= top &&
         p.y + c.radius <= bottom;
}

float Rectangle::distanceSquared(const Vector2 &p) const {
  float d = 0;
  if (p.x < x)
    d += (p.x - x) * (p.x - x);
  else if (p.x > x + width)
    d += (p.x - (x + width)) * (p.x - (x + width));
  if (p.y < y)
    d += (p.y - y) * (p.y - y);
  else if (p.y > y + height)
    d += (p.y - (y + height)) * (p.y - (y + height));
  return d;
}

Rectangle Rectangle::intersection(const Rectangle &first, const Rectangle &second) {
  Rectangle a = first, b = second;
  a.normalize();
  b.normalize();
  float left = max(a.x, b.x);
  float right = min(a.x + a.width, b.x + b.width);
  float top = max(a.y, b.y);
  float bottom = min(a.y + a.height, b.y + b.height);
  Rectangle r;
  r.set(left, top, max(0.0f, right - left), max(0.0f, bottom - top));
  return r;
}

void Rectangle::roundOut() {
  normalize();
  float left = wholeNumber(std::floor(double(x)));
  float top = wholeNumber(std::floor(double(y)));
  width = wholeNumber(std::ceil(double(x + width))) - left;
  height = wholeNumber(std::ceil(double(y + height))) - top;
  x = left;
  y = top;
}

void Rectangle::setWidth(float w) {
  if (width != 0) {
    scaleX(w / width);
    return;
  }
  x += w * -0.5f;
  width = w;
}

void Rectangle::setHeight(float h) {
  if (height != 0) {
    scaleY(h / height);
    return;
  }
  y += h * -0.5f;
  height = h;
}

void Rectangle::fit(const Rectangle &target, Vector2 &offset, float &scale) const {
  scale = 1.0f;
  if (width != 0 && height != 0 && (width > target.width || height > target.height))
    scale = min(target.width / width, target.height / height);
  offset.x = target.x - scale * x;
  offset.y = target.y - scale * y;
  if (scale * width < target.width)
    offset.x += (target.width - scale * width) * 0.5f;
  if (scale * height < target.height)
    offset.y += (target.height - scale * height) * 0.5f;
}

void Rectangle::read(file::ByteProducer &in) {
  float v[4] = {0, 0, 0, 0};
  in.produceBytes(v, 16);
  set(v[0], v[1], v[2], v[3]);
}

void Rectangle::write(file::ByteReceiver &out) const {
  float v[4] = {x, y, width, height};
  out.receiveBytes(v, 16);
}

void Rectangle::save(quip::Dictionary &dictionary) const {
  dictionary.set(SYM(L"x"), quip::Token(x));
  dictionary.set(SYM(L"y"), quip::Token(y));
  dictionary.set(SYM(L"w"), quip::Token(width));
  dictionary.set(SYM(L"h"), quip::Token(height));
}

bool Rectangle::fromToken(const quip::Token &token) {
  float v[4];
  if (!readNumbers(token, v, 4))
    return false;
  set(v[0], v[1], v[2], v[3]);
  return true;
}

bool readToken(const quip::Token &token, Rectangle &out) { return out.fromToken(token); }

void Rectangle::load(const quip::Dictionary &dictionary) {
  // Each step overrides the earlier ones: size, centring, corner, centre,
  // then the single fields.
  Vector2 size(width, height), pos(x, y);
  if (const quip::Token *t = dictionary.lookup(SYM(L"size")))
    size.fromToken(*t);
  const quip::Token *centered = dictionary.lookup(SYM(L"centered"));
  if (!centered || centered->toBool())
    pos.set(-0.5f * size.x, -0.5f * size.y);
  if (const quip::Token *t = dictionary.lookup(SYM(L"position")))
    pos.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(SYM(L"centerPosition")))
    if (pos.fromToken(*t))
      pos += Vector2(-0.5f * size.x, -0.5f * size.y);
  set(pos.x, pos.y, size.x, size.y);
  if (const quip::Token *t = dictionary.lookup(SYM(L"x")))
    t->get(x);
  if (const quip::Token *t = dictionary.lookup(SYM(L"y")))
    t->get(y);
  if (const quip::Token *t = dictionary.lookup(SYM(L"w")))
    t->get(width);
  if (const quip::Token *t = dictionary.lookup(SYM(L"h")))
    t->get(height);
}

bool Rectangle::contains(const Vector2i &p) const {
  return contains(Vector2(float(p.x), float(p.y)));
}

bool Rectangle::contains(const Vector2 &p) const {
  return x <= p.x && p.x <= x + width && y <= p.y && p.y <= y + height;
}

bool Rectangle::intersects(const Circle &c) const {
  return distanceSquared(c.position) < c.radius * c.radius;
}

bool Rectangle::intersects(const Rectangle &r) const {
  return x <= r.x + r.width && r.x <= x + width && y <= r.y + r.height && r.y <= y + height;
}

} // namespace math

namespace quip {

void toToken(const math::Rectangle &value, Token &out) {
  float v[4] = {value.x, value.y, value.width, value.height};
  math::numbersToken(v, 4, out);
}

} // namespace quip
