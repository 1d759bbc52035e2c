#pragma once
// The uniform cubic B-spline in 2-D: the curve approaches its control points.
// All curve logic lives here; other kinds change only the weights.

#include "math/Spline2D.h"

namespace math {

class BSpline2D : public Spline2D {
public:
  Symbol getType() const override;
  Vector2 startPoint() const override { return pointAt(0.0f); }
  Vector2 endPoint() const override { return pointAt(1.0f); }
  Vector2 pointAt(float u) const override;
  Vector2 pointAtDistance(float d) const override;
  float length() const override;
  Rectangle boundingRectangle() const override;
  void rebuild() override;
  virtual float weight(int i, float t) const;

  // Segment 2 to n - 2 at local t (0 to 1); the zero vector for another segment.
  Vector2 pointAt(int segment, float t) const;
  // d measured from the start of the segment.
  Vector2 localPointAtDistance(int segment, float d) const;
  Vector2 closestPoint(const Vector2 &p);
};

} // namespace math
