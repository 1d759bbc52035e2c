#pragma once
// The Catmull-Rom curve in 3-D: passes through control points 1 to n - 2.

#include "math/BSpline3D.h"

namespace math {

class CatmullRomSpline3D : public BSpline3D {
public:
  Symbol getType() const override;
  float weight(int i, float t) const override;
};

} // namespace math
