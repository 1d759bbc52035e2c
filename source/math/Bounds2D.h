#pragma once
// An abstract area of the plane: widget hit areas and layout, spline bounds.
// The base answers "no" to every test; kinds override what they support.

#include "math/Vector2.h"
#include "math/Vector2i.h"

namespace quip {
class Dictionary;
}

namespace math {

class Circle;
class Rectangle;

class Bounds2D {
public:
  virtual ~Bounds2D() = default;
  virtual void load(const quip::Dictionary &) {}
  virtual bool contains(const Vector2i &) const { return false; }
  virtual bool contains(const Vector2 &) const { return false; }
  virtual bool intersects(const Circle &) const { return false; }
  virtual bool intersects(const Rectangle &) const { return false; }
  virtual Rectangle boundingRectangle() const = 0;
};

// A new shape of the kind named by "type" ("circle" or "rectangle"), loaded
// from the same dictionary and owned by the caller; null for any other type.
Bounds2D *createBounds2D(const quip::Dictionary &dictionary);

} // namespace math
