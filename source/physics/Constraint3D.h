#pragma once
// Constraints hold the atoms of a structure in shape by moving positions
// directly (so the velocity changes with the move). Atoms are named by their
// index in the structure; an index at or beyond the atom count is ignored.

#include "physics/Atom.h"
#include "physics/Structure3D.h"
#include "xstring/Symbol.h"

#include <cmath>
#include <cstdint>

namespace physics {

class Constraint3D {
public:
  bool enabled = true;

  virtual ~Constraint3D() = default;
  virtual Symbol getType() const = 0;
  virtual void apply(Structure3D &structure) = 0;

  void applyIfEnabled(Structure3D &structure) {
    if (enabled)
      apply(structure);
  }
};

// Distance modes, for a current distance d and a wanted one L.
enum : uint32_t {
  // Acts whenever d is not exactly L.
  DISTANCE_EXACT = 0,
  // Acts when d >= L: a maximum distance, like a rope.
  DISTANCE_MAXIMUM = 1,
  // Acts when d <= L: a minimum distance.
  DISTANCE_MINIMUM = 2,
  // Any other value acts always.
};

// Whether a constraint of the mode acts at squared distance x for length L.
inline bool distanceModeActs(uint32_t mode, float squaredDistance, float length) {
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

// Brings b to distance L from a, sharing the correction by mass (the lighter
// atom moves more; two massless atoms share it equally). Nothing happens when
// either atom is pinned or the mode does not act; the result says whether
// the atoms moved. Atoms at the same place are set apart along -y. Inline:
// a cloth runs it for every stick several times a step.
inline bool solveDistance(Atom &a, Atom &b, float length, uint32_t mode) {
  if (a.pinned == 1 || b.pinned == 1)
    return false;
  // Component by component: the vector forms cost the cloth's stick chain
  // a shuffle at every step, for the same arithmetic.
  float vx = b.position.x - a.position.x;
  float vy = b.position.y - a.position.y;
  float vz = b.position.z - a.position.z;
  const float x = vx * vx + vy * vy + vz * vz;
  if (!distanceModeActs(mode, x, length))
    return false;
  if (x != 0) {
    const float s = std::sqrt(x);
    const float f = (length - s) / s;
    vx *= f;
    vy *= f;
    vz *= f;
  } else {
    vx = 0;
    vy = -length;
    vz = 0;
  }
  const float total = a.mass + b.mass;
  const float w = total == 0 ? 0.5f : a.mass / total;
  const float u = 1 - w;
  a.position.x -= vx * u;
  a.position.y -= vy * u;
  a.position.z -= vz * u;
  b.position.x += vx * w;
  b.position.y += vy * w;
  b.position.z += vz * w;
  return true;
}

// The same by index; false for an index outside the structure.
inline bool solveDistance(Structure3D &structure, uint32_t a, uint32_t b, float length,
                          uint32_t mode) {
  const uint32_t count = structure.atoms.size();
  if (a >= count || b >= count)
    return false;
  return solveDistance(*structure.atoms[a], *structure.atoms[b], length, mode);
}

} // namespace physics
