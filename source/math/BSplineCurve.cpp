#include "math/BSplineCurve.h"
#include "math/SplineWeights.h"

namespace math {

namespace {

// The zero-sized bounds at p.
Rectangle boundsAt(const Vector2 &p) {
  Rectangle r;
  r.set(p.x, p.y, 0.0f, 0.0f);
  return r;
}

Box3D boundsAt(const Vector3 &p) { return Box3D(p, Vector3()); }

} // namespace

template <typename Base> float BSplineCurve<Base>::weight(int i, float t) const {
  return bSplineWeight(i, t);
}

template <typename Base>
typename BSplineCurve<Base>::P BSplineCurve<Base>::pointAt(int segment, float t) const {
  if (!splinecurve::isSegment(segment, this->m_points.size()))
    return P();
  const float w[4] = {weight(-2, t), weight(-1, t), weight(0, t), weight(1, t)};
  return splinecurve::weighted(this->m_points, segment, w);
}

template <typename Base> typename BSplineCurve<Base>::P BSplineCurve<Base>::pointAt(float u) const {
  return splinecurve::pointAtParameter<P>(*this, this->m_points.size(), u);
}

template <typename Base>
typename BSplineCurve<Base>::P BSplineCurve<Base>::pointAtDistance(float d) const {
  return splinecurve::pointAtDistance(*this, this->m_points, this->m_segments, d);
}

template <typename Base>
typename BSplineCurve<Base>::P BSplineCurve<Base>::localPointAtDistance(int segment,
                                                                        float d) const {
  return splinecurve::localPointAtDistance<P>(*this, this->m_points.size(), this->m_segments,
                                              segment, d);
}

template <typename Base> float BSplineCurve<Base>::length() const {
  return splinecurve::length(this->m_segments);
}

template <typename Base> void BSplineCurve<Base>::rebuild() {
  splinecurve::rebuild(*this, this->m_points.size(), this->m_segments,
                       [](const P &p) { return boundsAt(p); });
}

template <typename Base>
typename BSplineCurve<Base>::P BSplineCurve<Base>::closestPoint(const P &p) {
  return splinecurve::closestPoint(*this, this->m_points.size(), this->m_segments,
                                   this->m_candidates, p);
}

template class BSplineCurve<Spline2D>;
template class BSplineCurve<Spline3D>;

} // namespace math
