#include "engine/Atomic.h"

#include "engine/GameCategories.h"

Atomic::Atomic(unsigned atomCount) {
  m_structure.slideMask = CATEGORY_GAME;
  m_structure.bounceMask = CATEGORY_GAME;
  m_structure.setAtomCount(atomCount);
  for (physics::Atom *a : m_structure.atoms)
    a->bounce = 1.0f;
}

void Atomic::setPosition(const math::Vector3 &p) {
  const math::Vector3 shift = p - atom().position;
  for (physics::Atom *a : m_structure.atoms)
    a->resetPosition(a->position + shift);
}
