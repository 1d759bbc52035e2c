#include "math/BSpline3D.h"

namespace math {

Symbol BSpline3D::getType() const { return SYM(L"bSpline3D"); }

} // namespace math
