#pragma once
// The uniform cubic B-spline in 3-D: the curve approaches its control points.

#include "math/BSplineCurve.h"

namespace math {

class BSpline3D : public BSplineCurve<Spline3D> {
public:
  Symbol getType() const override;
};

} // namespace math
