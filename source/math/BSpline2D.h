#pragma once
// The uniform cubic B-spline in 2-D: the curve approaches its control points.

#include "math/BSplineCurve.h"

namespace math {

class BSpline2D : public BSplineCurve<Spline2D> {
public:
  Symbol getType() const override;
  Rectangle boundingRectangle() const override;
};

} // namespace math
