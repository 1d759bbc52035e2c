#pragma once
// The base of the game objects that move as physics particles (the ball,
// debris, tar balls): one owned structure of a fixed number of atoms, whose
// first atom is the object's reference point.

#include "math/Vector3.h"
#include "physics/Structure3D.h"

class Atomic {
public:
  // Every game category slides and bounces (the sense mask stays 0), and
  // every atom bounces fully, until the derived class says otherwise.
  explicit Atomic(unsigned atomCount);
  Atomic(const Atomic &) = delete;
  Atomic &operator=(const Atomic &) = delete;
  virtual ~Atomic() = default;

  // Moves the whole structure rigidly so that atom 0 lands on p; it stands
  // still afterwards.
  virtual void setPosition(const math::Vector3 &p);

  physics::Atom &atom() { return m_structure.getAtom(0); }
  const physics::Atom &atom() const { return m_structure.getAtom(0); }
  math::Vector3 atomPosition() const { return atom().position; }
  physics::Structure3D &structure() { return m_structure; }
  const physics::Structure3D &structure() const { return m_structure; }

protected:
  physics::Structure3D m_structure;
};
