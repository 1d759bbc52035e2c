#include "math/ClosestPoint.h"

namespace math {

namespace {

template <typename V>
void closestOnSegment(const V &start, const V &delta, const V &point, V &closest, float &t) {
  const float d = (point - start).dot(delta);
  if (!(d > 0)) {
    closest = start;
    t = 0;
    return;
  }
  const float lengthSquared = delta.dot(delta);
  if (d >= lengthSquared) {
    closest = start + delta;
    t = 1;
    return;
  }
  t = d / lengthSquared;
  closest = start + delta * t;
}

float clamp(float x, float low, float high) { return x < low ? low : (x > high ? high : x); }

// The centre-direction-extent method of D. Eberly: minimise over the
// rectangle of the two parameters s0 in [-e0, e0] and s1 in [-e1, e1].
template <typename V>
void closestOfSegments(const V &start0, const V &end0, const V &start1, const V &end1, V &onA,
                       V &onB) {
  const V c0 = (start0 + end0) * 0.5f;
  const V c1 = (start1 + end1) * 0.5f;
  V d0 = end0 - start0;
  V d1 = end1 - start1;
  const float length0 = d0.length();
  const float length1 = d1.length();
  if (length0 != 0)
    d0 = d0 / length0;
  if (length1 != 0)
    d1 = d1 / length1;
  const float e0 = length0 * 0.5f;
  const float e1 = length1 * 0.5f;

  const V w = c0 - c1;
  const float a01 = -d0.dot(d1);
  const float b0 = w.dot(d0);
  const float b1 = -w.dot(d1);
  const float det = 1 - a01 * a01 < 0 ? -(1 - a01 * a01) : 1 - a01 * a01;

  float s0, s1;
  if (det >= 0.0001f) {
    s0 = a01 * b1 - b0;
    s1 = a01 * b0 - b1;
    const float ext0 = e0 * det;
    const float ext1 = e1 * det;
    // The optimum of one parameter with the other fixed, clamped.
    auto bestS0 = [&](float fixed1) { return clamp(-(a01 * fixed1 + b0), -e0, e0); };
    auto bestS1 = [&](float fixed0) { return clamp(-(a01 * fixed0 + b1), -e1, e1); };

    if (s0 >= -ext0) {
      if (s0 <= ext0) {
        if (s1 >= -ext1) {
          if (s1 <= ext1) {
            s0 /= det;
            s1 /= det;
          } else {
            s1 = e1;
            s0 = bestS0(s1);
          }
        } else {
          s1 = -e1;
          s0 = bestS0(s1);
        }
      } else {
        if (s1 >= -ext1) {
          if (s1 <= ext1) {
            s0 = e0;
            s1 = bestS1(s0);
          } else {
            s1 = e1;
            const float t0 = -(a01 * s1 + b0);
            if (t0 > e0) {
              s0 = e0;
              s1 = bestS1(s0);
            } else {
              s0 = clamp(t0, -e0, e0);
            }
          }
        } else {
          s1 = -e1;
          const float t0 = -(a01 * s1 + b0);
          if (t0 > e0) {
            s0 = e0;
            s1 = bestS1(s0);
          } else {
            s0 = clamp(t0, -e0, e0);
          }
        }
      }
    } else {
      if (s1 >= -ext1) {
        if (s1 <= ext1) {
          s0 = -e0;
          s1 = bestS1(s0);
        } else {
          s1 = e1;
          const float t0 = -(a01 * s1 + b0);
          if (t0 < -e0) {
            s0 = -e0;
            s1 = bestS1(s0);
          } else {
            s0 = clamp(t0, -e0, e0);
          }
        }
      } else {
        s1 = -e1;
        const float t0 = -(a01 * s1 + b0);
        if (t0 < -e0) {
          s0 = -e0;
          s1 = bestS1(s0);
        } else {
          s0 = clamp(t0, -e0, e0);
        }
      }
    }
  } else {
    // Parallel. Two points (both extents 0) give their own places.
    const float sum = e0 + e1;
    if (sum == 0) {
      s0 = s1 = 0;
    } else {
      const float sign = a01 > 0 ? -1.0f : 1.0f;
      const float lambda = clamp(-((b0 - sign * b1) * 0.5f), -sum, sum);
      s1 = -sign * lambda * e1 / sum;
      s0 = lambda + sign * s1;
    }
  }
  onA = c0 + d0 * s0;
  onB = c1 + d1 * s1;
}

} // namespace

void closestPointOnSegment(const Vector3 &start, const Vector3 &delta, const Vector3 &point,
                           Vector3 &closest, float &t) {
  closestOnSegment(start, delta, point, closest, t);
}

void closestPointOnSegment2D(const Segment2D &segment, const Vector2 &point, Vector2 &closest,
                             float &t) {
  closestOnSegment(segment.start, segment.end - segment.start, point, closest, t);
}

void Segment3D::closestPoint(const Vector3 &point, Vector3 &closest, float &t) const {
  closestOnSegment(start, end - start, point, closest, t);
}

void Segment2D::closestPoint(const Vector2 &point, Vector2 &closest, float &t) const {
  closestOnSegment(start, end - start, point, closest, t);
}

void closestPointsOfSegments(const Segment3D &a, const Segment3D &b, Vector3 &onA, Vector3 &onB) {
  closestOfSegments(a.start, a.end, b.start, b.end, onA, onB);
}

void closestPointsOfSegments2D(const Segment2D &a, const Segment2D &b, Vector2 &onA, Vector2 &onB) {
  closestOfSegments(a.start, a.end, b.start, b.end, onA, onB);
}

void barycentric(const Vector3 &a, const Vector3 &b, const Vector3 &c, const Vector3 &p, float &u,
                 float &v, float &w) {
  const float cx = c.x, cy = c.y + c.z;
  const float ax = a.x - cx, ay = (a.y + a.z) - cy;
  const float bx = b.x - cx, by = (b.y + b.z) - cy;
  const float dx = p.x - cx, dy = (p.y + p.z) - cy;
  const float det = ax * by - ay * bx;
  u = (dx * by - dy * bx) / det;
  v = (ax * dy - ay * dx) / det;
  w = 1 - u - v;
}

} // namespace math
