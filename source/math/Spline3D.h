#pragma once
// A smooth curve through (Catmull-Rom) or near (B-spline) a list of 3-D
// control points, made of uniform cubic segments numbered 2 to n - 2.

#include "container/Vector.h"
#include "math/Box3D.h"
#include "math/SplineCurve.h"
#include "math/Vector3.h"
#include "xstring/Symbol.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Dictionary;
}

namespace math {

using SplineSegment3D = SplineSegment<Box3D>;

class Spline3D {
public:
  virtual ~Spline3D() = default;

  // "points", an array of 3-number arrays; absent leaves the curve alone.
  // False (nothing changed) when it is not an array of such arrays.
  virtual bool load(const quip::Dictionary &dict);
  virtual void save(quip::Dictionary &dict) const;
  // u32 count, then x, y, z per point. False (nothing changed) when cut short.
  virtual bool read(file::ByteProducer &in);
  virtual void write(file::ByteReceiver &out) const;
  virtual Symbol getType() const = 0;
  virtual Vector3 startPoint() const = 0;
  virtual Vector3 endPoint() const = 0;
  // Each segment takes an equal share of u (0 to 1).
  virtual Vector3 pointAt(float u) const = 0;
  // From control point 1 along the curve to control point n - 2.
  virtual Vector3 pointAtDistance(float d) const = 0;
  virtual float length() const = 0;
  // Remakes the segment records from the points.
  virtual void rebuild() {}

  // The zero vector for an index outside the points.
  Vector3 controlPoint(int i) const {
    return i >= 0 && unsigned(i) < m_points.size() ? m_points[i] : Vector3();
  }
  unsigned controlPointCount() const { return m_points.size(); }
  const container::Vector<SplineSegment3D> &segments() const { return m_segments; }

protected:
  container::Vector<Vector3> m_points;
  container::Vector<SplineSegment3D> m_segments;
  container::Vector<SplineCandidate> m_candidates;
};

// Makes a "bSpline3D" or "catmullRom3D" from "type" and loads it; null for
// any other type. The caller owns the spline.
Spline3D *createSpline3D(const quip::Dictionary &dict);

} // namespace math
