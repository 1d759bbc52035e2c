#pragma once
// A smooth curve through (Catmull-Rom) or near (B-spline) a list of control
// points, made of uniform cubic segments numbered 2 to n - 2. P is the point
// type and B the bounds kept for each segment; Spline2D and Spline3D are the
// two kinds there are.

#include "container/Vector.h"
#include "math/Box3D.h"
#include "math/Rectangle.h"
#include "math/SplineCurve.h"
#include "math/Vector2.h"
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

template <typename P, typename B> class Spline {
public:
  using Point = P;
  using Bounds = B;

  virtual ~Spline() = default;

  // "points", an array of 2- or 3-number arrays; absent leaves the curve
  // alone. False (nothing changed) when it is not an array of such arrays.
  virtual bool load(const quip::Dictionary &dict);
  virtual void save(quip::Dictionary &dict) const;
  // u32 count, then the coordinates of each point. False (nothing changed)
  // when cut short.
  virtual bool read(file::ByteProducer &in);
  virtual void write(file::ByteReceiver &out) const;
  virtual Symbol getType() const = 0;
  virtual P startPoint() const = 0;
  virtual P endPoint() const = 0;
  // Each segment takes an equal share of u (0 to 1).
  virtual P pointAt(float u) const = 0;
  // From control point 1 along the curve to control point n - 2.
  virtual P pointAtDistance(float d) const = 0;
  virtual float length() const = 0;
  // Remakes the segment records from the points.
  virtual void rebuild() {}

  // The zero vector for an index outside the points.
  P controlPoint(int i) const {
    return i >= 0 && unsigned(i) < m_points.size() ? m_points[i] : P();
  }
  unsigned controlPointCount() const { return m_points.size(); }
  const container::Vector<SplineSegment<B>> &segments() const { return m_segments; }

protected:
  container::Vector<P> m_points;
  container::Vector<SplineSegment<B>> m_segments;
  container::Vector<SplineCandidate> m_candidates;
};

extern template class Spline<Vector2, Rectangle>;
extern template class Spline<Vector3, Box3D>;

} // namespace math
