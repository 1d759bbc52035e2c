#pragma once
// Constraints that keep distances between atoms: a stick between two, a rope
// along a run of atoms, spacing within a run and spacing against another
// structure's atoms.

#include "physics/Constraint3D.h"

namespace physics {

class Constraint3DStick : public Constraint3D {
public:
  uint32_t a;
  uint32_t b;
  float length;
  uint32_t mode;

  Constraint3DStick(uint32_t a, uint32_t b, float length, uint32_t mode)
      : a(a), b(b), length(length), mode(mode) {}
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

// A stick between each atom of [first, last] and the one before it, in
// increasing order or, with randomOrder, in an order drawn from the
// process-wide random stream.
class Constraint3DRope : public Constraint3D {
public:
  uint32_t first;
  uint32_t last;
  float length;
  uint32_t mode;
  bool randomOrder = false;

  Constraint3DRope(uint32_t first, uint32_t last, float length, uint32_t mode);
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

// Every pair of atoms in [first, last] kept at the sum of their radii.
class Constraint3DSpacing : public Constraint3D {
public:
  uint32_t first;
  uint32_t last;
  uint32_t mode;

  Constraint3DSpacing(uint32_t first, uint32_t last, uint32_t mode)
      : first(first), last(last), mode(mode) {}
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

// Every atom of another structure (not owned) kept from every atom of this
// one at the sum of their radii. Nothing happens without another structure.
class Constraint3DInterspacing : public Constraint3D {
public:
  Structure3D *other;
  uint32_t mode;

  Constraint3DInterspacing(Structure3D *other, uint32_t mode) : other(other), mode(mode) {}
  Symbol getType() const override;
  void apply(Structure3D &structure) override;
};

} // namespace physics
