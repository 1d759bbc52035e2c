#pragma once
// A circle; its rim counts as inside.

#include "math/Bounds2D.h"
#include "math/Rectangle.h"

namespace math {

class Circle : public Bounds2D {
public:
  float radius = 0;
  Vector2 position;

  Circle() = default;
  Circle(float radius, const Vector2 &position) : radius(radius), position(position) {}

  using Bounds2D::contains;
  using Bounds2D::intersects;
  // "radius" and "position" where present.
  void load(const quip::Dictionary &dictionary) override;
  bool contains(const Vector2i &p) const override {
    return contains(Vector2(float(p.x), float(p.y)));
  }
  bool contains(const Vector2 &p) const override {
    return (p - position).lengthSquared() <= radius * radius;
  }
  // Touching circles intersect.
  bool intersects(const Circle &other) const override {
    float r = radius + other.radius;
    return (position - other.position).lengthSquared() <= r * r;
  }
  bool intersects(const Rectangle &r) const override { return r.intersects(*this); }
  Rectangle boundingRectangle() const override;

  static float area(float radius);
};

} // namespace math
