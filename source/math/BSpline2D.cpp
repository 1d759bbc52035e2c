#include "math/BSpline2D.h"
#include "math/SplineWeights.h"

namespace math {

Symbol BSpline2D::getType() const { return SYM(L"bSpline2D"); }

float BSpline2D::weight(int i, float t) const { return bSplineWeight(i, t); }

Vector2 BSpline2D::pointAt(int segment, float t) const {
  if (!splinecurve::isSegment(segment, m_points.size()))
    return Vector2();
  const float w[4] = {weight(-2, t), weight(-1, t), weight(0, t), weight(1, t)};
  return splinecurve::weighted(m_points, segment, w);
}

Vector2 BSpline2D::pointAt(float u) const {
  return splinecurve::pointAtParameter<Vector2>(*this, m_points.size(), u);
}

Vector2 BSpline2D::pointAtDistance(float d) const {
  return splinecurve::pointAtDistance(*this, m_points, m_segments, d);
}

Vector2 BSpline2D::localPointAtDistance(int segment, float d) const {
  return splinecurve::localPointAtDistance<Vector2>(*this, m_points.size(), m_segments, segment, d);
}

float BSpline2D::length() const { return splinecurve::length(m_segments); }

Rectangle BSpline2D::boundingRectangle() const {
  unsigned n = m_points.size();
  if (n < 4)
    return Rectangle();
  Rectangle r = m_segments[2].bounds;
  for (unsigned s = 3; s + 2 <= n; ++s)
    r.include(m_segments[s].bounds);
  return r;
}

void BSpline2D::rebuild() {
  splinecurve::rebuild(*this, m_points.size(), m_segments, [](const Vector2 &p) {
    Rectangle r;
    r.set(p.x, p.y, 0.0f, 0.0f);
    return r;
  });
}

Vector2 BSpline2D::closestPoint(const Vector2 &p) {
  return splinecurve::closestPoint(*this, m_points.size(), m_segments, m_candidates, p);
}

} // namespace math
