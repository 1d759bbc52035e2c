#pragma once
// The curve logic of the B-spline kinds (BSplineCurve): uniform cubic
// segments, each cached as twelve chord lengths and a bounding shape so that
// length, distance and nearest-point questions need no integration.
//
// S is the concrete spline: pointAt(int segment, float t) const. P is its
// point type and B its bounds (include, distanceSquared).

#include "container/Vector.h"

#include <cmath>
#include <cstdint>

namespace math {

constexpr int splineSteps = 12;

template <typename B> struct SplineSegment {
  float length = 0.0f;
  float steps[splineSteps] = {};
  B bounds;
};

// Scratch of the nearest-point search.
struct SplineCandidate {
  uint32_t segment = 0;
  float distanceSquared = 0.0f;
};

namespace splinecurve {

template <typename P> P weighted(const container::Vector<P> &points, int s, const float w[4]) {
  P out = points[s - 2] * w[0];
  out += points[s - 1] * w[1];
  out += points[s] * w[2];
  out += points[s + 1] * w[3];
  return out;
}

// Segments are numbered 2 to n - 2.
inline bool isSegment(int segment, unsigned pointCount) {
  return pointCount >= 4 && segment >= 2 && segment <= int(pointCount) - 2;
}

// Every segment takes an equal share of u, whatever its length. u is held to
// 0..1 so that no caller can reach past the control points.
template <typename P, typename S> P pointAtParameter(const S &spline, unsigned n, float u) {
  if (n < 4)
    return P();
  if (!(u > 0.0f))
    u = 0.0f;
  if (u > 1.0f)
    u = 1.0f;
  int m = int(n) - 3;
  float x = float(m) * u;
  int k = int(std::floor(x));
  if (k >= m)
    return spline.pointAt(m + 1, 1.0f);
  return spline.pointAt(k + 2, x - float(k));
}

// start(p) makes the zero-sized bounds at p.
template <typename S, typename B, typename Start>
void rebuild(const S &spline, unsigned n, container::Vector<SplineSegment<B>> &segments,
             Start start) {
  segments.clear();
  if (n < 4) {
    segments.push(SplineSegment<B>());
    segments.push(SplineSegment<B>());
    return;
  }
  segments.reserve(n - 1);
  for (unsigned r = 0; r + 1 < n; ++r) {
    SplineSegment<B> record;
    if (r >= 2) {
      auto prev = spline.pointAt(int(r), 0.0f);
      record.bounds = start(prev);
      for (int k = 1; k <= splineSteps; ++k) {
        auto p = spline.pointAt(int(r), float(k) / float(splineSteps));
        record.steps[k - 1] = (p - prev).length();
        record.length += record.steps[k - 1];
        record.bounds.include(p);
        prev = p;
      }
    }
    segments.push(record);
  }
}

template <typename B> float length(const container::Vector<SplineSegment<B>> &segments) {
  float sum = 0.0f;
  for (const SplineSegment<B> &s : segments)
    sum += s.length;
  return sum;
}

template <typename P, typename S, typename B>
P localPointAtDistance(const S &spline, unsigned n,
                       const container::Vector<SplineSegment<B>> &segments, int s, float d) {
  if (!isSegment(s, n))
    return P();
  const SplineSegment<B> &record = segments[s];
  float sum = 0.0f;
  for (int k = 0; k < splineSteps; ++k) {
    float before = sum;
    sum += record.steps[k];
    if (sum > d) {
      float fraction = record.steps[k] == 0.0f ? 0.0f : (d - before) / record.steps[k];
      return spline.pointAt(s, float(k) / float(splineSteps) + fraction / float(splineSteps));
    }
  }
  return spline.pointAt(s, 1.0f);
}

// The ends are control points 1 and n - 2.
template <typename P, typename S, typename B>
P pointAtDistance(const S &spline, const container::Vector<P> &points,
                  const container::Vector<SplineSegment<B>> &segments, float d) {
  unsigned n = points.size();
  if (n < 4)
    return P();
  if (d <= 0.0f)
    return points[1];
  float sum = 0.0f;
  for (int s = 2; s <= int(n) - 2; ++s) {
    float before = sum;
    sum += segments[s].length;
    if (d < sum)
      return localPointAtDistance<P>(spline, n, segments, s, d - before);
  }
  return points[n - 2];
}

// The point of the chord a-b nearest to p.
template <typename P> P nearestOnChord(const P &a, const P &b, const P &p) {
  P ab = b - a;
  float len2 = ab.lengthSquared();
  if (len2 == 0.0f)
    return a;
  float t = (p - a).dot(ab) / len2;
  t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
  return a + ab * t;
}

// Segments are visited nearest bounds first, and the walk stops at the first
// whose bounds lie farther than the best point found.
template <typename P, typename S, typename B>
P closestPoint(const S &spline, unsigned n, const container::Vector<SplineSegment<B>> &segments,
               container::Vector<SplineCandidate> &candidates, const P &p) {
  if (n < 4)
    return P();
  candidates.clear();
  for (int s = 2; s <= int(n) - 2; ++s) {
    SplineCandidate c;
    c.segment = uint32_t(s);
    c.distanceSquared = segments[s].bounds.distanceSquared(p);
    candidates.push(c);
    // Before the first pair with a strictly greater distance.
    for (unsigned i = candidates.size() - 1;
         i > 0 && candidates[i - 1].distanceSquared > c.distanceSquared; --i)
      candidates.swap(i, i - 1);
  }
  bool found = false;
  P best;
  float bestDistance = 0.0f;
  for (const SplineCandidate &c : candidates) {
    if (found && c.distanceSquared > bestDistance)
      break;
    int s = int(c.segment);
    P prev = spline.pointAt(s, 0.0f);
    for (int k = 1; k <= splineSteps; ++k) {
      P cur = spline.pointAt(s, float(k) / float(splineSteps));
      P q = nearestOnChord(prev, cur, p);
      float dq = (q - p).lengthSquared();
      if (!found || dq < bestDistance) {
        best = q;
        bestDistance = dq;
        found = true;
      }
      prev = cur;
    }
  }
  return best;
}

} // namespace splinecurve

} // namespace math
