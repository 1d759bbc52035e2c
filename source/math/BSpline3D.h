#pragma once
// The uniform cubic B-spline in 3-D: the curve approaches its control points.
// All curve logic lives here; other kinds change only the weights.

#include "math/Spline3D.h"

namespace math {

class BSpline3D : public Spline3D {
public:
  Symbol getType() const override;
  Vector3 startPoint() const override { return pointAt(0.0f); }
  Vector3 endPoint() const override { return pointAt(1.0f); }
  Vector3 pointAt(float u) const override;
  Vector3 pointAtDistance(float d) const override;
  float length() const override;
  void rebuild() override;
  virtual float weight(int i, float t) const;

  // Segment 2 to n - 2 at local t (0 to 1); the zero vector for another segment.
  Vector3 pointAt(int segment, float t) const;
  // d measured from the start of the segment.
  Vector3 localPointAtDistance(int segment, float d) const;
  Vector3 closestPoint(const Vector3 &p);
};

} // namespace math
