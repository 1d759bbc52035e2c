#pragma once
// Closest points on segments, and barycentric weights.

#include "math/Segment.h"

namespace math {

// On the segment from start to start + delta; a segment of zero length gives
// its start.
void closestPointOnSegment(const Vector3 &start, const Vector3 &delta, const Vector3 &point,
                           Vector3 &closest, float &t);
void closestPointOnSegment2D(const Segment2D &segment, const Vector2 &point, Vector2 &closest,
                             float &t);

// A point on each segment at which the two are nearest.
void closestPointsOfSegments(const Segment3D &a, const Segment3D &b, Vector3 &onA, Vector3 &onB);
void closestPointsOfSegments2D(const Segment2D &a, const Segment2D &b, Vector2 &onA, Vector2 &onB);

// Weights of a, b and c with p = u a + v b + w c, computed in the 2-D
// coordinates (x, y + z). A triangle that collapses to a line in those
// coordinates has no weights: all three come out non-finite.
void barycentric(const Vector3 &a, const Vector3 &b, const Vector3 &c, const Vector3 &p, float &u,
                 float &v, float &w);

} // namespace math
