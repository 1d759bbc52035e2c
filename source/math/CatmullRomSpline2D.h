#pragma once
// The Catmull-Rom curve in 2-D: passes through control points 1 to n - 2.

#include "math/BSpline2D.h"

namespace math {

class CatmullRomSpline2D : public BSpline2D {
public:
  Symbol getType() const override;
  float weight(int i, float t) const override;
};

} // namespace math
