// Script and binary forms of the 3-D splines, and their factory.
#include "math/Spline3D.h"
#include "math/BSpline3D.h"
#include "math/CatmullRomSpline3D.h"
#include "math/SplinePoints.h"
#include "quip/Token.h"

namespace math {

bool Spline3D::load(const quip::Dictionary &dict) {
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

void Spline3D::save(quip::Dictionary &dict) const {
  dict.set(SYM(L"type"), quip::Token(getType(), false));
  saveSplinePoints(dict, m_points);
}

bool Spline3D::read(file::ByteProducer &in) {
  if (!readSplinePoints(in, m_points))
    return false;
  rebuild();
  return true;
}

void Spline3D::write(file::ByteReceiver &out) const { writeSplinePoints(out, m_points); }

Spline3D *createSpline3D(const quip::Dictionary &dict) {
  const quip::Token *type = dict.lookup(SYM(L"type"));
  if (!type || !type->isSymbol())
    return nullptr;
  Spline3D *spline = nullptr;
  if (type->symbol() == SYM(L"bSpline3D"))
    spline = new BSpline3D;
  else if (type->symbol() == SYM(L"catmullRom3D"))
    spline = new CatmullRomSpline3D;
  else
    return nullptr;
  spline->load(dict);
  return spline;
}

} // namespace math
