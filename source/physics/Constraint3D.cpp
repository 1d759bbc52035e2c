#include "physics/Constraint3D.h"

#include "physics/Structure3D.h"

#include <cmath>

namespace physics {

bool distanceModeActs(uint32_t mode, float squaredDistance, float length) {
  const float wanted = length * length;
  switch (mode) {
  case DISTANCE_EXACT:
    return squaredDistance != wanted;
  case DISTANCE_MAXIMUM:
    return squaredDistance >= wanted;
  case DISTANCE_MINIMUM:
    return squaredDistance <= wanted;
  default:
    return true;
  }
}

bool solveDistance(Atom &a, Atom &b, float length, uint32_t mode) {
  if (a.pinned == 1 || b.pinned == 1)
    return false;
  math::Vector3 v = b.position - a.position;
  const float x = v.lengthSquared();
  if (!distanceModeActs(mode, x, length))
    return false;
  if (x != 0) {
    const float s = std::sqrt(x);
    v *= (length - s) / s;
  } else {
    v = math::Vector3(0, -length, 0);
  }
  const float total = a.mass + b.mass;
  const float w = total == 0 ? 0.5f : a.mass / total;
  a.position -= v * (1 - w);
  b.position += v * w;
  return true;
}

bool solveDistance(Structure3D &structure, uint32_t a, uint32_t b, float length, uint32_t mode) {
  const uint32_t count = structure.atoms.size();
  if (a >= count || b >= count)
    return false;
  return solveDistance(*structure.atoms[a], *structure.atoms[b], length, mode);
}

} // namespace physics
