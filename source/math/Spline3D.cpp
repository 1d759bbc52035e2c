#include "math/Spline3D.h"
#include "math/BSpline3D.h"
#include "math/CatmullRomSpline3D.h"
#include "math/SplineFactory.h"

namespace math {

Spline3D *createSpline3D(const quip::Dictionary &dict) {
  return createSpline<Spline3D, BSpline3D, CatmullRomSpline3D>(dict, SYM(L"bSpline3D"),
                                                               SYM(L"catmullRom3D"));
}

} // namespace math
