#include "math/SplinePoints.h"

#include "error/AssertHandler.h"
#include "error/Report.h"

namespace math {

void reportTooManySplinePoints(unsigned count) {
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"read",
                           String::format(L"Spline of %u points is too large (at most %u); not "
                                          L"read",
                                          count, maxSplinePoints));
}

} // namespace math
