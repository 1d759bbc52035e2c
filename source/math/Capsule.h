#pragma once
// All points within radius of the segment from start to end.

#include "math/Vector3.h"

namespace math {

class Capsule {
public:
  Vector3 start;
  Vector3 end;
  float radius;

  Capsule() : radius(0) {}
  Capsule(const Vector3 &start, const Vector3 &end, float radius)
      : start(start), end(end), radius(radius) {}
};

} // namespace math
