// Script and binary forms of the 2-D splines, and their factory.
#include "math/Spline2D.h"
#include "file/BinaryPrimitives.h"
#include "math/BSpline2D.h"
#include "math/CatmullRomSpline2D.h"
#include "quip/Token.h"

namespace math {

bool Spline2D::load(const quip::Dictionary &dict) {
  const quip::Token *points = dict.lookup(SYM(L"points"));
  if (!points)
    return true;
  if (!points->isArray())
    return false;
  const quip::Array &list = points->array();
  container::Vector<Vector2> read;
  read.reserve(list.count());
  for (unsigned i = 0; i < list.count(); ++i) {
    Vector2 p;
    if (!p.fromToken(list[i]))
      return false;
    read.push(p);
  }
  m_points = std::move(read);
  rebuild();
  return true;
}

void Spline2D::save(quip::Dictionary &dict) const {
  dict.set(SYM(L"type"), quip::Token(getType(), false));
  if (m_points.isEmpty())
    return;
  quip::Array *list = new quip::Array(m_points.size());
  for (unsigned i = 0; i < m_points.size(); ++i)
    list->set(m_points[i].toToken(), i);
  dict.set(SYM(L"points"), quip::Token(list, false));
}

bool Spline2D::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 4)
    return false;
  unsigned count;
  file::read(count, in);
  if (in.bytesRemaining() / 8 < count)
    return false;
  m_points.clear();
  m_points.reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    Vector2 p;
    file::read(p.x, in);
    file::read(p.y, in);
    m_points.push(p);
  }
  rebuild();
  return true;
}

void Spline2D::write(file::ByteReceiver &out) const {
  file::write(m_points.size(), out);
  for (const Vector2 &p : m_points) {
    file::write(p.x, out);
    file::write(p.y, out);
  }
}

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
