#include "math/Spline2D.h"
#include "math/BSpline2D.h"
#include "math/CatmullRomSpline2D.h"
#include "math/SplineFactory.h"

namespace math {

Spline2D *createSpline2D(const quip::Dictionary &dict) {
  return createSpline<Spline2D, BSpline2D, CatmullRomSpline2D>(dict, SYM(L"bSpline2D"),
                                                               SYM(L"catmullRom2D"));
}

} // namespace math
