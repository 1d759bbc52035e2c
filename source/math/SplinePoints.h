// Script and binary forms of a spline's control points, shared by the 2-D and
// 3-D curves (only the point type differs).
#pragma once

#include "container/Vector.h"
#include "file/BinaryPrimitives.h"
#include "quip/Dictionary.h"
#include "quip/Token.h"
#include "xstring/Symbol.h"

namespace math {

enum class PointsRead { Absent, Refused, Read };

// Reads "points" into `points`; a list with any bad element is refused whole
// and leaves `points` as it was.
template <typename V>
PointsRead loadSplinePoints(const quip::Dictionary &dict, container::Vector<V> &points) {
  const quip::Token *token = dict.lookup(SYM(L"points"));
  if (!token)
    return PointsRead::Absent;
  if (!token->isArray())
    return PointsRead::Refused;
  const quip::Array &list = token->array();
  container::Vector<V> read;
  read.reserve(list.count());
  for (unsigned i = 0; i < list.count(); ++i) {
    V p;
    if (!p.fromToken(list[i]))
      return PointsRead::Refused;
    read.push(p);
  }
  points = std::move(read);
  return PointsRead::Read;
}

template <typename V>
void saveSplinePoints(quip::Dictionary &dict, const container::Vector<V> &points) {
  if (points.isEmpty())
    return;
  quip::Array *list = new quip::Array(points.size());
  for (unsigned i = 0; i < points.size(); ++i)
    list->set(points[i].toToken(), i);
  dict.set(SYM(L"points"), quip::Token(list, false));
}

// Once its segments are cached a point costs about eight times its bytes, so a
// read takes at most this many.
constexpr unsigned maxSplinePoints = 1u << 16;
// Reports a read refused for asking more points than maxSplinePoints.
void reportTooManySplinePoints(unsigned count);

// A count, then the points; a count the remaining bytes cannot hold, or above
// maxSplinePoints (reported), is refused.
template <typename V> bool readSplinePoints(file::ByteProducer &in, container::Vector<V> &points) {
  if (in.bytesRemaining() < 4)
    return false;
  unsigned count;
  file::read(count, in);
  if (count > maxSplinePoints) {
    reportTooManySplinePoints(count);
    return false;
  }
  if (in.bytesRemaining() / sizeof(V) < count)
    return false;
  points.clear();
  points.reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    V p;
    file::read(p, in);
    points.push(p);
  }
  return true;
}

template <typename V>
void writeSplinePoints(file::ByteReceiver &out, const container::Vector<V> &points) {
  file::write(points.size(), out);
  for (const V &p : points)
    file::write(p, out);
}

} // namespace math
