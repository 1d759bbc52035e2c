#pragma once
// All points within radius of the segment from start to end.

#include "math/Vector3.h"

namespace quip {
class Dictionary;
}

namespace math {

class Segment3D;

class Capsule {
public:
  Vector3 start;
  Vector3 end;
  float radius;

  Capsule() : radius(0) {}
  Capsule(const Vector3 &start, const Vector3 &end, float radius)
      : start(start), end(end), radius(radius) {}

  // "radius", "start" and "end", each only when not zero.
  void save(quip::Dictionary &dictionary) const;
  // "radius", "start" and "end" where present.
  void load(const quip::Dictionary &dictionary);

  // Overlap tests (strict); see Intersection.h.
  bool contains(const Vector3 &p) const;
  bool intersects(const Capsule &other) const;
  bool intersects(const Segment3D &segment) const;
};

} // namespace math
