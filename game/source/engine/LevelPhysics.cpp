// The level's own physics step: the blocks are not in the simulation's
// lists; each structure meets only the blocks of the cells its atoms swept.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Level.h"
#include "physics/Structure3D.h"
#include "physics/WorldGeometry.h"

#include <cmath>

namespace {

constexpr int collisionPasses = 3;

bool touchesAnything(const physics::Structure3D &structure) {
  return (structure.senseMask | structure.slideMask | structure.bounceMask) != 0;
}

} // namespace

void Level::stepPhysics(float dt) {
  // The first step takes its own time as the one before.
  const float previous = m_lastStepTime > 0.0f ? m_lastStepTime : dt;
  m_lastStepTime = dt;
  container::Vector<physics::Structure3D *> &structures = m_simulation.structures;
  for (uint32_t i = 0; i < structures.size(); ++i)
    structures[i]->moveAtoms(previous, dt);
  m_simulation.beginCollisions();
  for (int pass = 0; pass < collisionPasses; ++pass)
    for (uint32_t i = 0; i < structures.size(); ++i) {
      physics::Structure3D &structure = *structures[i];
      // One that touches nothing still keeps its shape.
      if (touchesAnything(structure)) {
        m_simulation.collideGeometries(structure);
        collideBlocks(structure);
      }
      structure.applyConstraints();
    }
  for (uint32_t i = 0; i < structures.size(); ++i)
    structures[i]->clampAxisSpeed(dt);
  m_simulation.endCollisions();
  m_ball->atom().position.z = 0.0f;
}

void Level::collideBlocks(physics::Structure3D &structure) {
  const uint32_t atoms = structure.getAtomCount();
  if (atoms == 0)
    return;
  math::Vector3 low = structure.getAtom(0).position, high = low;
  for (uint32_t i = 0; i < atoms; ++i) {
    const physics::Atom &atom = structure.getAtom(i);
    const math::Vector3 reach(atom.radius, atom.radius, atom.radius);
    for (const math::Vector3 &p : {atom.position, atom.previousPosition}) {
      low = math::Vector3(std::fmin(low.x, p.x - reach.x), std::fmin(low.y, p.y - reach.y), 0.0f);
      high =
          math::Vector3(std::fmax(high.x, p.x + reach.x), std::fmax(high.y, p.y + reach.y), 0.0f);
    }
  }
  math::Vector2i first, last;
  cellRange(low, high, first, last);
  // A bonus block is kept in its lower-left cell and reaches one cell up and
  // right of it.
  --first.x;
  --first.y;
  if (!clipToGrid(first, last))
    return;
  for (int32_t column = first.x; column <= last.x; ++column)
    for (int32_t row = first.y; row <= last.y; ++row)
      if (Block *block = m_blockGrid.blockAt(column, row))
        block->geometry().collide(structure);
}
