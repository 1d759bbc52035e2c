#pragma once
// An axis-aligned rectangle: (x, y) is the corner with the smallest
// coordinates while the extents are not negative. Negative extents reach
// towards smaller coordinates; the point and overlap tests take them as they
// are, while include, intersection and roundOut normalise first.

#include "math/Bounds2D.h"

namespace quip {
class Token;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

class Rectangle : public Bounds2D {
public:
  float x = 0, y = 0, width = 0, height = 0;

  Rectangle() = default;
  // Centred on the origin, or with its corner there.
  Rectangle(float width, float height, bool centered);
  Rectangle(const Vector2 &size, bool centered) : Rectangle(size.x, size.y, centered) {}

  void set(float nx, float ny, float w, float h) {
    x = nx;
    y = ny;
    width = w;
    height = h;
  }
  bool operator==(const Rectangle &o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
  void translate(const Vector2 &v) {
    x += v.x;
    y += v.y;
  }
  void normalize();

  void include(const Vector2 &p);
  void include(const Rectangle &r);
  // The circle's bounding square.
  void include(const Circle &c);
  // The whole circle inside, edges included.
  bool contains(const Circle &c) const;
  // 0 inside or on the edge.
  float distanceSquared(const Vector2 &p) const;
  // The overlap; a zero-sized rectangle at (max left, max top) when disjoint.
  static Rectangle intersection(const Rectangle &a, const Rectangle &b);
  // Normalises, then widens to whole numbers.
  void roundOut();

  // About the origin, so a centred rectangle stays centred.
  void scaleX(float f) {
    x *= f;
    width *= f;
  }
  void scaleY(float f) {
    y *= f;
    height *= f;
  }
  void scale(const Vector2 &f) {
    scaleX(f.x);
    scaleY(f.y);
  }
  void scale(float f) {
    scaleX(f);
    scaleY(f);
  }
  void setWidth(float w);
  void setHeight(float h);

  // How to place this rectangle inside target, shrinking but never
  // enlarging: a point p maps to offset + scale * p, centred in the room left.
  void fit(const Rectangle &target, Vector2 &offset, float &scale) const;

  // x, y, width, height as four little-endian floats.
  void read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // "x", "y", "w", "h", always all four.
  void save(quip::Dictionary &dictionary) const;
  // From an array of at least four numbers; anything else leaves the
  // rectangle unchanged and returns false.
  bool fromToken(const quip::Token &token);

  using Bounds2D::contains;
  using Bounds2D::intersects;
  void load(const quip::Dictionary &dictionary) override;
  bool contains(const Vector2i &p) const override;
  // Edges included; nothing is inside a rectangle with a negative extent.
  bool contains(const Vector2 &p) const override;
  // Strict: a circle that only touches the edge does not intersect.
  bool intersects(const Circle &c) const override;
  // Touching rectangles intersect.
  bool intersects(const Rectangle &r) const override;
  Rectangle boundingRectangle() const override { return *this; }
};

// Token readers and writers (token.get(rectangle) finds readToken).
bool readToken(const quip::Token &token, Rectangle &out);

} // namespace math

namespace quip {
// A literal array [x y width height].
void toToken(const math::Rectangle &value, Token &out);
} // namespace quip
