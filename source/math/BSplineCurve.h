#pragma once
// The uniform cubic B-spline over either dimension of spline: the curve
// approaches its control points. All curve logic lives here; other kinds
// change only the weights.

#include "math/Spline2D.h"
#include "math/Spline3D.h"

namespace math {

template <typename Base> class BSplineCurve : public Base {
public:
  using P = typename Base::Point;

  P startPoint() const override { return pointAt(0.0f); }
  P endPoint() const override { return pointAt(1.0f); }
  P pointAt(float u) const override;
  P pointAtDistance(float d) const override;
  float length() const override;
  void rebuild() override;
  virtual float weight(int i, float t) const;

  // Segment 2 to n - 2 at local t (0 to 1); the zero vector for another segment.
  P pointAt(int segment, float t) const;
  // d measured from the start of the segment.
  P localPointAtDistance(int segment, float d) const;
  P closestPoint(const P &p);
};

extern template class BSplineCurve<Spline2D>;
extern template class BSplineCurve<Spline3D>;

} // namespace math
