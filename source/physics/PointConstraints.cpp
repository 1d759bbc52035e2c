#include "physics/PointConstraints.h"

#include "physics/Structure3D.h"

namespace physics {

Symbol Constraint3DPin::getType() const { return SYM(L"pin"); }

void Constraint3DPin::apply(Structure3D &structure) {
  if (atom >= structure.atoms.size())
    return;
  structure.atoms[atom]->position = position;
}

Symbol Constraint3DAtomLine::getType() const { return SYM(L"atomLine"); }

void Constraint3DAtomLine::apply(Structure3D &structure) {
  const uint32_t count = structure.atoms.size();
  if (atom >= count || a >= count || b >= count)
    return;
  Atom &moved = *structure.atoms[atom];
  if (moved.pinned == 1)
    return;
  const math::Vector3 &from = structure.atoms[a]->position;
  const math::Vector3 &to = structure.atoms[b]->position;
  moved.position = from + (to - from) * t;
}

Symbol Constraint3DPendulum::getType() const { return SYM(L"pendulum"); }

void Constraint3DPendulum::apply(Structure3D &structure) {
  if (atom >= structure.atoms.size())
    return;
  Atom &swinging = *structure.atoms[atom];
  if (swinging.pinned == 1)
    return;
  math::Vector3 v = swinging.position - pivot;
  const float x = v.lengthSquared();
  if (!distanceModeActs(mode, x, length))
    return;
  if (x != 0) {
    v.normalize();
    v *= length;
  } else {
    v = math::Vector3(0, length, 0);
  }
  if (hangBelow && v.y >= 0)
    v.y = -0.0001f;
  swinging.position = pivot + v;
}

} // namespace physics
