#pragma once
// One closed wall outline of a floor region: the region's outer boundary or
// a hole inside it. It gives the physics its walls, answers whether a point
// lies behind them and where it must go instead, lets only structures of its
// own region touch them, and draws a textured border strip along them.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Plane.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "physics/Listener.h"

#include <cstdint>

class Level;
class WallGeometry;
namespace mesh {
class Mesh;
class MeshDefinition;
} // namespace mesh
namespace video {
class Canvas;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

// The contact record of one outline corner.
struct WallEdge {
  enum Kind : uint8_t { STRAIGHT = 0, SHARP = 1, ROUNDED = 2, UNREAD = 3 };

  uint8_t kind = UNREAD;
  // Between this corner's zone and the previous one's; z is 0.
  math::Plane zone;
  // A straight wall's normal.
  math::Vector3 faceNormal;
  // The centre of a rounded corner.
  math::Vector3 centre;
};

// A vertex of a border strip and the outline corner it pairs with.
struct BorderVertex {
  math::Vector2 position;
  uint16_t corner = 0;
};

class WallSet : public physics::GeometryOwner, public NonCopyable {
public:
  // The ball's radius: rounded corners hold points this far from their centre.
  static constexpr float roundingRadius = 1.45f;

  // Adds its walls to the level's simulation.
  WallSet(Level &level, int region);
  ~WallSet() override;

  // Only a structure owned by a TumblixStructureOwner of this region; debris
  // and anything else without one passes through.
  bool allowCollision(const physics::WorldGeometry &geometry,
                      const physics::Structure3D &structure) override;

  // True when the point lies behind the walls: then resolved is where it
  // must go instead (at the point's own z) and edge is the winning record.
  bool contact(const math::Vector3 &point, math::Vector3 &resolved, WallEdge &edge) const;
  // The smallest and largest world x and y of the corners (z 0); both zero
  // without corners.
  void bounds(math::Vector3 &minimum, math::Vector3 &maximum) const;

  // The border strip along the walls.
  void render(video::Canvas &canvas);

  void write(file::ByteReceiver &out) const;
  // Rebuilds the border. False, with the wall set left empty, when the stream runs out, a count
  // runs past the bytes remaining, an edge kind is unknown or a border
  // vertex names a corner the outline does not have.
  bool read(file::ByteProducer &in);

  // A wall set made in memory: the outline's grid corners, the contact
  // records and the two border strips, whose vertices name corners below
  // the outline's count; the extra points are zero. Rebuilds the border.
  void assign(const container::Vector<math::Vector2i> &outline,
              const container::Vector<WallEdge> &edges,
              const container::Vector<BorderVertex> &innerBorder,
              const container::Vector<BorderVertex> &outerBorder);

  int region() const { return m_region; }
  WallGeometry &geometry() { return *m_geometry; }
  uint32_t cornerCount() const { return m_outline.size(); }
  const math::Vector2i &corner(uint32_t i) const { return m_outline[i]; }
  // A grid point lies on the corner of a block cell.
  static math::Vector3 gridToWorld(const math::Vector2i &p);
  const container::Vector<WallEdge> &edges() const { return m_edges; }
  const container::Vector<BorderVertex> &innerBorder() const { return m_innerBorder; }
  const container::Vector<BorderVertex> &outerBorder() const { return m_outerBorder; }
  const mesh::MeshDefinition &borderMesh() const { return *m_borderDefinition; }

private:
  void clear();
  bool readRecord(file::ByteProducer &in);
  void createBorder();
  void rebuildBorder();
  void destroyBorder();

  Level &m_level;
  int m_region;
  WallGeometry *m_geometry;
  // Grid points.
  container::Vector<math::Vector2i> m_outline;
  // One per corner, kept with the record and written back unchanged.
  container::Vector<math::Vector3> m_extraPoints;
  container::Vector<WallEdge> m_edges;
  container::Vector<BorderVertex> m_innerBorder;
  container::Vector<BorderVertex> m_outerBorder;
  mesh::MeshDefinition *m_borderDefinition;
  mesh::Mesh *m_border;
};
