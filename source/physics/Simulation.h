#pragma once
// The physics objects of a level or a world: the collision geometries and the
// moving structures, neither owned. Owners add and remove them as they appear
// and die; step moves every structure and collides it with the geometries.

#include "container/Vector.h"
#include "physics/BroadPhase.h"

#include <cstdint>

namespace physics {

class Structure3D;
class WorldGeometry;

class Simulation {
public:
  container::Vector<WorldGeometry *> geometries;
  container::Vector<Structure3D *> structures;
  // True only while a step runs, so an owner can tell.
  uint8_t stepping = 0;

  void addGeometry(WorldGeometry *geometry);
  void addStructure(Structure3D *structure) { structures.push(structure); }
  // The first entry equal to the pointer goes and the last takes its place;
  // an absent pointer changes nothing.
  void removeGeometry(WorldGeometry *geometry);
  void removeStructure(Structure3D *structure);
  void clear();

  // Every structure moves, then each collides (unless its masks match
  // nothing) and runs its constraints, then every speed is clamped. Times in
  // seconds. Only geometries whose bounds meet a structure's are tried, with
  // the same results as trying all. Allocates nothing.
  void step(float previousStepTime, float stepTime);

  // The collisions of a step for a world that runs its own passes: begin
  // once the atoms have moved, collide each structure with the geometries
  // (in list order, as step does) as often as it likes, then end.
  void beginCollisions();
  void collideGeometries(Structure3D &structure) { m_broadPhase.collide(structure, geometries); }
  void endCollisions() { stepping = 0; }

  // The debug view that draws them is rendering's (video::debugDraw).

private:
  BroadPhase m_broadPhase;
};

} // namespace physics
