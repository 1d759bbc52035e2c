#include "physics/Simulation.h"

#include "physics/Structure3D.h"
#include "physics/WorldGeometry.h"

namespace physics {

namespace {
template <typename T> void removeFirst(container::Vector<T *> &list, T *item) {
  const int index = list.indexOf(item);
  if (index >= 0)
    list.removeSwap(uint32_t(index));
}
} // namespace

void Simulation::addGeometry(WorldGeometry *geometry) {
  geometries.push(geometry);
  m_broadPhase.invalidate();
  m_broadPhase.reserve(geometries.capacity());
}

void Simulation::removeGeometry(WorldGeometry *geometry) {
  removeFirst(geometries, geometry);
  m_broadPhase.invalidate();
}

void Simulation::removeStructure(Structure3D *structure) { removeFirst(structures, structure); }

void Simulation::clear() {
  geometries.clear();
  structures.clear();
  m_broadPhase.invalidate();
}

void Simulation::beginCollisions() {
  stepping = 1;
  m_broadPhase.update(geometries);
}

void Simulation::step(float previousStepTime, float stepTime) {
  stepping = 1;
  // Lists are walked by index and their counts read again each time: an
  // owner may add or remove objects from inside a listener.
  for (uint32_t i = 0; i < structures.size(); ++i)
    structures[i]->moveAtoms(previousStepTime, stepTime);
  m_broadPhase.update(geometries);
  for (uint32_t i = 0; i < structures.size(); ++i) {
    Structure3D &s = *structures[i];
    if ((s.senseMask | s.slideMask | s.bounceMask) != 0)
      m_broadPhase.collide(s, geometries);
    s.applyConstraints();
  }
  for (uint32_t i = 0; i < structures.size(); ++i)
    structures[i]->clampAxisSpeed(stepTime);
  stepping = 0;
}

} // namespace physics
