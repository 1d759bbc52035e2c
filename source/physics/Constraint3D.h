#pragma once
// Constraints hold the atoms of a structure in shape by moving positions
// directly (so the velocity changes with the move). Atoms are named by their
// index in the structure; an index at or beyond the atom count is ignored.

#include "xstring/Symbol.h"

#include <cstdint>

namespace physics {

class Structure3D;
struct Atom;

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
bool distanceModeActs(uint32_t mode, float squaredDistance, float length);

// Brings b to distance L from a, sharing the correction by mass (the lighter
// atom moves more; two massless atoms share it equally). Nothing happens when
// either atom is pinned or the mode does not act; the result says whether
// the atoms moved. Atoms at the same place are set apart along -y.
bool solveDistance(Atom &a, Atom &b, float length, uint32_t mode);
// The same by index; false for an index outside the structure.
bool solveDistance(Structure3D &structure, uint32_t a, uint32_t b, float length, uint32_t mode);

} // namespace physics
