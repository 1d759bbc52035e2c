#include "math/Polygon.h"

#include "file/BinaryPrimitives.h"
#include "quip/Token.h"

namespace math {

namespace {

template <typename Point>
void readPointList(container::Vector<Point> &points, const quip::Dictionary &dictionary) {
  const quip::Token *token = dictionary.lookup(SYM(L"points"));
  if (token == nullptr || !token->isArray())
    return;
  const quip::Array &array = token->array();
  points.clear();
  points.reserve(array.count());
  for (uint32_t i = 0; i < array.count(); ++i) {
    // An element of the wrong shape gives the origin, so the list keeps one
    // point per element.
    Point point;
    point.fromToken(array[i]);
    points.push(point);
  }
}

template <typename Point>
void writePointList(const container::Vector<Point> &points, file::ByteReceiver &out) {
  file::write((unsigned int)points.size(), out);
  for (const Point &point : points)
    file::write(point, out);
}

// The count is checked against the bytes that follow, so a damaged file can
// neither ask for a huge list nor run the stream dry.
template <typename Point>
bool readPointList(container::Vector<Point> &points, file::ByteProducer &in) {
  if (in.bytesRemaining() < 4)
    return false;
  unsigned int count = 0;
  file::read(count, in);
  if (uint64_t(count) * sizeof(Point) > in.bytesRemaining())
    return false;
  points.clear();
  points.reserve(count);
  for (unsigned int i = 0; i < count; ++i) {
    Point point;
    file::read(point, in);
    points.push(point);
  }
  return true;
}

} // namespace

void readPoints(Points2D &points, const quip::Dictionary &dictionary) {
  readPointList(points, dictionary);
}

void readPoints(Points3D &points, const quip::Dictionary &dictionary) {
  readPointList(points, dictionary);
}

void write(const Points2D &points, file::ByteReceiver &out) { writePointList(points, out); }

void write(const Points3D &points, file::ByteReceiver &out) { writePointList(points, out); }

bool read(Points2D &points, file::ByteProducer &in) { return readPointList(points, in); }

bool read(Points3D &points, file::ByteProducer &in) { return readPointList(points, in); }

} // namespace math
