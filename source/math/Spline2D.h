#pragma once
// A smooth curve through (Catmull-Rom) or near (B-spline) a list of 2-D
// control points, made of uniform cubic segments numbered 2 to n - 2.

#include "math/Spline.h"

namespace math {

using SplineSegment2D = SplineSegment<Rectangle>;

class Spline2D : public Spline<Vector2, Rectangle> {
public:
  virtual Rectangle boundingRectangle() const = 0;
};

// Makes a "bSpline2D" or "catmullRom2D" from "type" and loads it; null for
// any other type. The caller owns the spline.
Spline2D *createSpline2D(const quip::Dictionary &dict);

} // namespace math
