#include "math/BSpline2D.h"

namespace math {

Symbol BSpline2D::getType() const { return SYM(L"bSpline2D"); }

Rectangle BSpline2D::boundingRectangle() const {
  unsigned n = m_points.size();
  if (n < 4)
    return Rectangle();
  Rectangle r = m_segments[2].bounds;
  for (unsigned s = 3; s + 2 <= n; ++s)
    r.include(m_segments[s].bounds);
  return r;
}

} // namespace math
