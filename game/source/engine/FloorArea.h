#pragma once
// One walled floor region of a level: its outer wall, the walls of its
// islands, and the floor polygon drawn inside them as the "floor" mesh. Its
// index is the region number of its walls: only structures of this region
// touch them.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"

#include <cstdint>

class Level;
class Texture;
class WallSet;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace mesh {
class Mesh;
class MeshDefinition;
} // namespace mesh
namespace video {
class Canvas;
}

class FloorArea : public NonCopyable {
public:
  // The floor mesh indexes its points with 16 bits.
  static constexpr uint32_t maxPoints = 0x10000;

  FloorArea(Level &level, int index);
  ~FloorArea();

  // The level file's record. False, with the floor emptied, when the stream
  // runs out, a count runs past the bytes remaining, there are more points
  // than maxPoints or an index names a point the floor does not have.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  // True when no wall of the region holds the point back.
  bool accepts(const math::Vector3 &point) const;
  // The outline's bounds.
  void bounds(math::Vector3 &minimum, math::Vector3 &maximum) const;

  // One vertex per point, textured by the world position under the scale;
  // the indices as one triangle list.
  void buildMesh(Texture *interior, float interiorScale);
  void renderFloor(video::Canvas &canvas);
  // The border strips of the outline, then of each island.
  void renderWalls(video::Canvas &canvas);

  int index() const { return m_index; }
  WallSet &outline() { return *m_outline; }
  const WallSet &outline() const { return *m_outline; }
  uint32_t furtherWallCount() const { return m_furtherWalls.size(); }
  WallSet &furtherWall(uint32_t i) { return *m_furtherWalls[i]; }
  const WallSet &furtherWall(uint32_t i) const { return *m_furtherWalls[i]; }
  // A new island wall of this region, empty.
  WallSet &addFurtherWall();
  // Points on the cell-corner lattice; three indices a triangle, each below
  // the point count (the caller keeps to maxPoints).
  void setFloor(const container::Vector<math::Vector2i> &points,
                const container::Vector<uint32_t> &indices);
  const container::Vector<math::Vector2i> &points() const { return m_points; }
  const container::Vector<uint32_t> &indices() const { return m_indices; }
  const mesh::MeshDefinition &floorMesh() const { return *m_floorDefinition; }

private:
  bool readRecord(file::ByteProducer &in);
  void deleteFurtherWalls();

  Level &m_level;
  int m_index;
  WallSet *m_outline;
  container::Vector<WallSet *> m_furtherWalls;
  container::Vector<math::Vector2i> m_points;
  container::Vector<uint32_t> m_indices;
  mesh::MeshDefinition *m_floorDefinition;
  mesh::Mesh *m_floor;
};
