#include "math/BSpline3D.h"
#include "math/SplineWeights.h"

namespace math {

Symbol BSpline3D::getType() const { return SYM(L"bSpline3D"); }

float BSpline3D::weight(int i, float t) const { return bSplineWeight(i, t); }

Vector3 BSpline3D::pointAt(int segment, float t) const {
  if (!splinecurve::isSegment(segment, m_points.size()))
    return Vector3();
  const float w[4] = {weight(-2, t), weight(-1, t), weight(0, t), weight(1, t)};
  return splinecurve::weighted(m_points, segment, w);
}

Vector3 BSpline3D::pointAt(float u) const {
  return splinecurve::pointAtParameter<Vector3>(*this, m_points.size(), u);
}

Vector3 BSpline3D::pointAtDistance(float d) const {
  return splinecurve::pointAtDistance(*this, m_points, m_segments, d);
}

Vector3 BSpline3D::localPointAtDistance(int segment, float d) const {
  return splinecurve::localPointAtDistance<Vector3>(*this, m_points.size(), m_segments, segment, d);
}

float BSpline3D::length() const { return splinecurve::length(m_segments); }

void BSpline3D::rebuild() {
  splinecurve::rebuild(*this, m_points.size(), m_segments,
                       [](const Vector3 &p) { return Box3D(p, Vector3()); });
}

Vector3 BSpline3D::closestPoint(const Vector3 &p) {
  return splinecurve::closestPoint(*this, m_points.size(), m_segments, m_candidates, p);
}

} // namespace math
