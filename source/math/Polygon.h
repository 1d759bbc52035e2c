#pragma once
// Closed polygon outlines as lists of points: the last point is joined to the
// first, and no orientation is required. The 2-D form uses x and y; the 3-D
// form lies in the horizontal x-z plane and ignores y. Lava pools and secret
// areas are kept as such outlines.

#include "container/Vector.h"
#include "math/Vector2.h"
#include "math/Vector3.h"

namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

using Points2D = container::Vector<Vector2>;
using Points3D = container::Vector<Vector3>;

// Upward crossings with p on their left count +1, downward ones with p on
// their right -1. A side test is truncated to an integer first, so a point
// within a hair of an edge's line does not count that crossing.
int windingNumber(const Points2D &points, const Vector2 &p);
int windingNumber(const Points3D &points, const Vector3 &p);
// An empty outline contains every point.
bool polygonContains(const Points2D &points, const Vector2 &p);
bool polygonContains(const Points3D &points, const Vector3 &p);
// The nearest point of the outline, the first edge's on a tie; the origin for
// an empty outline. The 3-D form answers at p's own height.
Vector2 closestPointOnPolygon(const Points2D &points, const Vector2 &p);
Vector3 closestPointOnPolygon(const Points3D &points, const Vector3 &p);
inline Vector2 closestPoint(const Points2D &points, const Vector2 &p) {
  return closestPointOnPolygon(points, p);
}
inline Vector3 closestPoint(const Points3D &points, const Vector3 &p) {
  return closestPointOnPolygon(points, p);
}
// Inside, or strictly nearer than distance to the outline.
bool isNearPolygon(const Points2D &points, const Vector2 &p, float distance);
bool isNearPolygon(const Points3D &points, const Vector3 &p, float distance);

// "points", an array of 2- (or 3-) number arrays, replaces the list; without
// the key the list is left as it was.
void readPoints(Points2D &points, const quip::Dictionary &dictionary);
void readPoints(Points3D &points, const quip::Dictionary &dictionary);

// The count (u32), then each point's floats.
void write(const Points2D &points, file::ByteReceiver &out);
void write(const Points3D &points, file::ByteReceiver &out);
// False, the list unchanged, when the count does not fit the bytes remaining.
bool read(Points2D &points, file::ByteProducer &in);
bool read(Points3D &points, file::ByteProducer &in);

} // namespace math
