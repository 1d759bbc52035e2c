#pragma once
// Finds the geometries a structure may touch without taking its atoms to
// every geometry's frame. Each geometry's reach is kept as a world box, read
// again only when its transform or its own box changes; boxes of moderate
// size sit in a grid over x and z, the rest (and shapes that reach anywhere)
// are tried every time. A structure is collided with the geometries whose box
// meets the box of its atoms, in list order; after any contact the atoms'
// box is taken again and the search goes on past the geometry just done, so
// the order and the results are those of trying every geometry.
//
// A geometry moved from inside a contact listener is seen at its new place
// from the next step. Lists changed during a step make the rest of the step
// try every geometry. Nothing allocates once reserve has seen the list's
// capacity.

#include "container/Vector.h"
#include "math/Box3D.h"
#include "math/TransformDefinition.h"

#include <cstdint>

namespace physics {

class Structure3D;
class WorldGeometry;

class BroadPhase {
public:
  // Room for this many geometries.
  void reserve(uint32_t geometryCount);
  // The lists changed: during a step, the rest of it tries every geometry.
  void invalidate() { m_valid = false; }
  // At the start of a step's collisions.
  void update(const container::Vector<WorldGeometry *> &geometries);
  // Every geometry in list order that may touch the structure collides it.
  void collide(Structure3D &structure, const container::Vector<WorldGeometry *> &geometries);

private:
  struct Bounds {
    float low[3];
    float high[3];
    bool meets(const Bounds &o) const {
      return low[0] <= o.high[0] && o.low[0] <= high[0] && low[1] <= o.high[1] &&
             o.low[1] <= high[1] && low[2] <= o.high[2] && o.low[2] <= high[2];
    }
  };

  // What a geometry's world box was made from, to tell when it moved.
  struct Placement {
    const WorldGeometry *geometry = nullptr;
    math::Box3D local;
    bool bounded = false;
    math::Vector3 translation, axis;
    float angle = 0, scale = 0;
    bool flipX = false, flipY = false, flipZ = false;
  };

  static bool atomBounds(const Structure3D &structure, Bounds &bounds);
  static Bounds everywhere();
  // False when the placement did not change.
  static bool readPlacement(const WorldGeometry &geometry, Placement &placement);
  static Bounds worldBounds(const WorldGeometry &geometry, const Placement &placement);

  void rebuildGrid();
  int cellOf(float coordinate) const;
  uint32_t bucketOf(int x, int z) const;
  // Indices from `first` on whose boxes meet, ascending, into m_candidates.
  void gather(const Bounds &bounds, uint32_t first);

  bool m_valid = false;
  uint32_t m_count = 0;
  container::Vector<Placement> m_placements;
  container::Vector<Bounds> m_bounds;
  // Geometries tried for every structure: unbounded or too wide for the grid.
  container::Vector<uint32_t> m_wide;
  float m_cellSize = 1;
  float m_inverseCellSize = 1;
  uint32_t m_bucketShift = 32;
  // A geometry's box filed under one of its cells; the box is kept here so a
  // search reads one bucket straight through.
  struct Entry {
    Bounds bounds;
    uint32_t index;
  };
  // Bucket b holds m_entries[m_bucketStart[b] .. m_bucketStart[b + 1]).
  container::Vector<uint32_t> m_bucketStart;
  container::Vector<Entry> m_entries;
  container::Vector<uint32_t> m_candidates;
};

} // namespace physics
