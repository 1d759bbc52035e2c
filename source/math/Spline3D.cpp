// Script and binary forms of the 3-D splines, and their factory.
#include "math/Spline3D.h"
#include "file/BinaryPrimitives.h"
#include "math/BSpline3D.h"
#include "math/CatmullRomSpline3D.h"
#include "quip/Token.h"

namespace math {

bool Spline3D::load(const quip::Dictionary &dict) {
  const quip::Token *points = dict.lookup(SYM(L"points"));
  if (!points)
    return true;
  if (!points->isArray())
    return false;
  const quip::Array &list = points->array();
  container::Vector<Vector3> read;
  read.reserve(list.count());
  for (unsigned i = 0; i < list.count(); ++i) {
    Vector3 p;
    if (!p.fromToken(list[i]))
      return false;
    read.push(p);
  }
  m_points = std::move(read);
  rebuild();
  return true;
}

void Spline3D::save(quip::Dictionary &dict) const {
  dict.set(SYM(L"type"), quip::Token(getType(), false));
  if (m_points.isEmpty())
    return;
  quip::Array *list = new quip::Array(m_points.size());
  for (unsigned i = 0; i < m_points.size(); ++i)
    list->set(m_points[i].toToken(), i);
  dict.set(SYM(L"points"), quip::Token(list, false));
}

bool Spline3D::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 4)
    return false;
  unsigned count;
  file::read(count, in);
  if (in.bytesRemaining() / 12 < count)
    return false;
  m_points.clear();
  m_points.reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    Vector3 p;
    file::read(p.x, in);
    file::read(p.y, in);
    file::read(p.z, in);
    m_points.push(p);
  }
  rebuild();
  return true;
}

void Spline3D::write(file::ByteReceiver &out) const {
  file::write(m_points.size(), out);
  for (const Vector3 &p : m_points) {
    file::write(p.x, out);
    file::write(p.y, out);
    file::write(p.z, out);
  }
}

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
