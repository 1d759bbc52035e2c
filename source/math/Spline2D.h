#pragma once
// A smooth curve through (Catmull-Rom) or near (B-spline) a list of 2-D
// control points, made of uniform cubic segments numbered 2 to n - 2.

#include "container/Vector.h"
#include "math/Rectangle.h"
#include "math/SplineCurve.h"
#include "math/Vector2.h"
#include "xstring/Symbol.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Dictionary;
}

namespace math {

using SplineSegment2D = SplineSegment<Rectangle>;

class Spline2D {
public:
  virtual ~Spline2D() = default;

  // "points", an array of 2-number arrays; absent leaves the curve alone.
  // False (nothing changed) when it is not an array of such arrays.
  virtual bool load(const quip::Dictionary &dict);
  virtual void save(quip::Dictionary &dict) const;
  // u32 count, then x, y per point. False (nothing changed) when cut short.
  virtual bool read(file::ByteProducer &in);
  virtual void write(file::ByteReceiver &out) const;
  virtual Symbol getType() const = 0;
  virtual Vector2 startPoint() const = 0;
  virtual Vector2 endPoint() const = 0;
  // Each segment takes an equal share of u (0 to 1).
  virtual Vector2 pointAt(float u) const = 0;
  // From control point 1 along the curve to control point n - 2.
  virtual Vector2 pointAtDistance(float d) const = 0;
  virtual float length() const = 0;
  virtual Rectangle boundingRectangle() const = 0;
  // Remakes the segment records from the points.
  virtual void rebuild() {}

  // The zero vector for an index outside the points.
  Vector2 controlPoint(int i) const {
    return i >= 0 && unsigned(i) < m_points.size() ? m_points[i] : Vector2();
  }
  unsigned controlPointCount() const { return m_points.size(); }
  const container::Vector<SplineSegment2D> &segments() const { return m_segments; }

protected:
  container::Vector<Vector2> m_points;
  container::Vector<SplineSegment2D> m_segments;
  container::Vector<SplineCandidate> m_candidates;
};

// Makes a "bSpline2D" or "catmullRom2D" from "type" and loads it; null for
// any other type. The caller owns the spline.
Spline2D *createSpline2D(const quip::Dictionary &dict);

} // namespace math
