// Script and binary forms of the 2-D splines, and their factory.
#include "math/Spline2D.h"
#include "math/BSpline2D.h"
#include "math/CatmullRomSpline2D.h"
#include "math/SplinePoints.h"
#include "quip/Token.h"

namespace math {

bool Spline2D::load(const quip::Dictionary &dict) {
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

void Spline2D::save(quip::Dictionary &dict) const {
  dict.set(SYM(L"type"), quip::Token(getType(), false));
  saveSplinePoints(dict, m_points);
}

bool Spline2D::read(file::ByteProducer &in) {
  if (!readSplinePoints(in, m_points))
    return false;
  rebuild();
  return true;
}

void Spline2D::write(file::ByteReceiver &out) const { writeSplinePoints(out, m_points); }

Spline2D *createSpline2D(const quip::Dictionary &dict) {
  const quip::Token *type = dict.lookup(SYM(L"type"));
  if (!type || !type->isSymbol())
    return nullptr;
  Spline2D *spline = nullptr;
  if (type->symbol() == SYM(L"bSpline2D"))
    spline = new BSpline2D;
  else if (type->symbol() == SYM(L"catmullRom2D"))
    spline = new CatmullRomSpline2D;
  else
    return nullptr;
  spline->load(dict);
  return spline;
}

} // namespace math
