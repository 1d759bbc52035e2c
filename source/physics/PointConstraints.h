#pragma once
// Constraints that place one atom: at a fixed point, on the line through two
// other atoms, or at a distance from a fixed pivot.

#include "math/Vector3.h"
#include "physics/Constraint3D.h"

namespace physics {

// Puts the atom at the point every pass (its previous position stays, and a
// pinned atom is moved too).
class Constraint3DPin : public Constraint3D {
public:
  uint32_t atom;
  math::Vector3 position;

  Constraint3DPin(uint32_t atom, const math::Vector3 &position) : atom(atom), position(position) {}
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

// Unless pinned, the atom goes to a + (b - a) * t.
class Constraint3DAtomLine : public Constraint3D {
public:
  uint32_t atom;
  uint32_t a;
  uint32_t b;
  float t;

  Constraint3DAtomLine(uint32_t atom, uint32_t a, uint32_t b, float t)
      : atom(atom), a(a), b(b), t(t) {}
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

// Keeps the atom at a distance from a fixed pivot; with hangBelow it stays
// under the pivot. Only the atom moves.
class Constraint3DPendulum : public Constraint3D {
public:
  uint32_t atom;
  math::Vector3 pivot;
  float length;
  bool hangBelow;
  uint32_t mode;

  Constraint3DPendulum(uint32_t atom, const math::Vector3 &pivot, float length, bool hangBelow,
                       uint32_t mode)
      : atom(atom), pivot(pivot), length(length), hangBelow(hangBelow), mode(mode) {}
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

} // namespace physics
