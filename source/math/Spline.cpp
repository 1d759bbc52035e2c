// Script and binary forms of the splines of either dimension.
#include "math/Spline.h"
#include "math/SplinePoints.h"
#include "quip/Token.h"

namespace math {

template <typename P, typename B> bool Spline<P, B>::load(const quip::Dictionary &dict) {
  switch (loadSplinePoints(dict, m_points)) {
  case PointsRead::Absent:
    return true;
  case PointsRead::Refused:
    return false;
  case PointsRead::Read:
    break;
  }
  rebuild();
  return true;
}

template <typename P, typename B> void Spline<P, B>::save(quip::Dictionary &dict) const {
  dict.set(SYM(L"type"), quip::Token(getType(), false));
  saveSplinePoints(dict, m_points);
}

template <typename P, typename B> bool Spline<P, B>::read(file::ByteProducer &in) {
  if (!readSplinePoints(in, m_points))
    return false;
  rebuild();
  return true;
}

template <typename P, typename B> void Spline<P, B>::write(file::ByteReceiver &out) const {
  writeSplinePoints(out, m_points);
}

template class Spline<Vector2, Rectangle>;
template class Spline<Vector3, Box3D>;

} // namespace math
