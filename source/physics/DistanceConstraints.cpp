#include "physics/DistanceConstraints.h"

#include "container/Vector.h"
#include "math/Random.h"
#include "physics/Structure3D.h"

namespace physics {

namespace {
// Segment numbers still to apply in a random-order rope; one list for every
// rope. Ropes reserve it when made so that a step never allocates.
container::Vector<uint32_t> &ropeOrder() {
  static container::Vector<uint32_t> order;
  return order;
}
} // namespace

Symbol Constraint3DStick::getType() const { return SYM(L"stick"); }

void Constraint3DStick::apply(Structure3D &structure) {
  solveDistance(structure, a, b, length, mode);
}

Constraint3DRope::Constraint3DRope(uint32_t first, uint32_t last, float length, uint32_t mode)
    : first(first), last(last), length(length), mode(mode) {
  if (last > first)
    ropeOrder().reserve(last - first);
}

Symbol Constraint3DRope::getType() const { return SYM(L"rope"); }

void Constraint3DRope::apply(Structure3D &structure) {
  const uint32_t count = structure.atoms.size();
  if (count == 0 || last <= first)
    return;
  const uint32_t end = last < count ? last : count - 1;
  if (!randomOrder) {
    for (uint32_t i = first + 1; i <= end; ++i)
      solveDistance(structure, i - 1, i, length, mode);
    return;
  }
  container::Vector<uint32_t> &order = ropeOrder();
  order.clear();
  for (uint32_t i = first + 1; i <= end; ++i)
    order.push(i);
  while (!order.isEmpty()) {
    const uint32_t index = uint32_t(Random::globalInt(0, int(order.size()) - 1));
    const uint32_t i = order.removeSwap(index);
    solveDistance(structure, i - 1, i, length, mode);
  }
}

Symbol Constraint3DSpacing::getType() const { return SYM(L"spacing"); }

void Constraint3DSpacing::apply(Structure3D &structure) {
  for (uint32_t i = first; i <= last && i < structure.atoms.size(); ++i) {
    for (uint32_t j = i + 1; j <= last && j < structure.atoms.size(); ++j) {
      const float length = structure.atoms[i]->radius + structure.atoms[j]->radius;
      solveDistance(structure, i, j, length, mode);
    }
  }
}

Symbol Constraint3DInterspacing::getType() const { return SYM(L"interspacing"); }

void Constraint3DInterspacing::apply(Structure3D &structure) {
  if (other == nullptr)
    return;
  for (uint32_t i = 0; i < other->atoms.size(); ++i) {
    for (uint32_t j = 0; j < structure.atoms.size(); ++j) {
      Atom &a = *other->atoms[i];
      Atom &b = *structure.atoms[j];
      solveDistance(a, b, a.radius + b.radius, mode);
    }
  }
}

} // namespace physics
