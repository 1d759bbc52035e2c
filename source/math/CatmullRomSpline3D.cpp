#include "math/CatmullRomSpline3D.h"
#include "math/SplineWeights.h"

namespace math {

Symbol CatmullRomSpline3D::getType() const { return SYM(L"catmullRom3D"); }

float CatmullRomSpline3D::weight(int i, float t) const { return catmullRomWeight(i, t); }

} // namespace math
