#include "math/CatmullRomSpline2D.h"
#include "math/SplineWeights.h"

namespace math {

Symbol CatmullRomSpline2D::getType() const { return SYM(L"catmullRom2D"); }

float CatmullRomSpline2D::weight(int i, float t) const { return catmullRomWeight(i, t); }

} // namespace math
