#pragma once
// A regular grid of heights made into a surface of triangles, two per cell,
// split along one of the cell's diagonals. Grid index i runs along world x, j
// along z, heights along y. Per-triangle planes, side planes and edges are
// kept precomputed so that the per-frame picking and collision queries only
// take dot products; the map never rebuilds on its own.

#include "container/Vector.h"
#include "math/Box3D.h"
#include "math/Size2i.h"
#include "math/Sphere.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "xstring/String.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class HeightMap {
public:
  struct Edge {
    math::Vector3 start;
    // end - start.
    math::Vector3 delta;
    float deltaSquared = 0;
  };

  struct Triangle {
    int32_t index[3][2] = {};
    math::Vector3 corner[3];
    // Three of the cell's own edge records.
    const Edge *edges[3] = {};
    // Outward unit normals of the sides in the x-z plane.
    math::Vector2 edgeNormal[3];
    // (corner[k + 1] - corner[k]) x faceNormal, not normalised.
    math::Vector3 sidePlaneNormal[3];
    // Points up for every triangle of the grid.
    math::Vector3 faceNormal;

    bool isAbove(const math::Vector3 &p) const;
    // Points on a side count as inside.
    bool containsXZ(const math::Vector3 &p) const;
    // The segment from start to end (direction its unit vector) against the
    // face; hit is set only on a hit.
    bool intersectRay(const math::Vector3 &start, const math::Vector3 &end,
                      const math::Vector3 &direction, math::Vector3 &hit) const;
    // Separating axes in the x-z plane; corners taken as (x, z).
    bool overlapsCircle(const math::Vector2 &center, float radius) const;
  };

  struct Cell {
    Triangle tri[2];
    // false: split along (i, j)-(i + 1, j + 1); true: along (i + 1, j)-(i, j + 1).
    bool diagonal = false;
    // e0 the diagonal, e1 (i, j)-(i, j + 1), e2 (i + 1, j)-(i + 1, j + 1),
    // e3 (i, j)-(i + 1, j), e4 (i, j + 1)-(i + 1, j + 1).
    Edge edge[5];
  };

  // An empty (0 x 0) map.
  explicit HeightMap(const math::Vector3 &spacing);
  // Every height 0, nothing built yet.
  HeightMap(const math::Size2i &size, const math::Vector3 &spacing);
  HeightMap(const HeightMap &other);
  HeightMap &operator=(const HeightMap &other);

  // Releases the old arrays; heights, vertices and normals come back zero.
  void resize(const math::Size2i &size);
  const math::Size2i &size() const { return m_size; }
  const math::Vector3 &spacing() const { return m_spacing; }
  // Rebuilds vertices, diagonal normals and cells.
  void setSpacing(const math::Vector3 &spacing);
  const math::Box3D &bounds() const { return m_bounds; }
  // Cleared when a height is set, set when the vertices are rebuilt.
  bool verticesCurrent() const { return m_verticesCurrent; }

  // No index checks: callers stay inside the grid.
  float height(int i, int j) const { return m_heights[point(i, j)]; }
  void setHeight(int i, int j, float value) {
    m_heights[point(i, j)] = value;
    m_verticesCurrent = false;
  }
  const math::Vector3 &vertex(int i, int j) const { return m_vertices[point(i, j)]; }
  const math::Vector3 &vertex(const math::Vector2i &at) const { return vertex(at.x, at.y); }
  void setVertexY(int i, int j, float y) { m_vertices[point(i, j)].y = y; }
  const math::Vector3 &normal(int i, int j) const { return m_normals[point(i, j)]; }
  // Row i of each array starts at element i * size().height.
  float *heights() { return m_heights.data(); }
  const float *heights() const { return m_heights.data(); }
  math::Vector3 *vertices() { return m_vertices.data(); }
  const math::Vector3 *vertices() const { return m_vertices.data(); }
  math::Vector3 *normals() { return m_normals.data(); }
  const math::Vector3 *normals() const { return m_normals.data(); }
  bool diagonal(int i, int j) const { return cell(i, j).diagonal; }
  void setDiagonal(int i, int j, bool value) { cell(i, j).diagonal = value; }
  const Triangle &triangle(int i, int j, int k) const { return cell(i, j).tri[k]; }
  const math::Vector3 &faceNormal(int i, int j, int k) const {
    return cell(i, j).tri[k].faceNormal;
  }

  void rebuildVertices();
  // The cells of the block i0 <= i < i1 - 1, j0 <= j < j1 - 1, then every
  // vertex normal.
  void rebuildCells(int i0, int i1, int j0, int j1);
  void rebuildAll();
  // Lays each cell's diagonal between the corners whose normals agree more.
  void chooseDiagonals();
  // The spacing from the vertices' extent, heights back in height units.
  void fitSpacing();
  // Heights scaled so that the highest vertex has height 1.
  void normalizeHeights();

  static math::Vector3 centre(const math::Size2i &size);
  // (0, 0) when a horizontal spacing is 0.
  math::Vector2 toGrid(const math::Vector3 &p) const;
  bool cellAt(const math::Vector3 &p, int &i, int &j) const;
  bool cellAt(const math::Vector3 &p, int &i, int &j, float &fractionX, float &fractionZ) const;
  // From the floor of a's grid position to the ceiling of b's, clamped to the
  // grid; all 0 for an empty grid or a zero spacing.
  void gridBlock(const math::Vector3 &a, const math::Vector3 &b, int &i0, int &i1, int &j0,
                 int &j1) const;
  void gridBlock(const math::Sphere &sphere, int &i0, int &i1, int &j0, int &j1) const;

  // The triangle under the point, or null.
  const Triangle *triangleAt(const math::Vector3 &p) const;
  // False when no triangle lies under the point; height and triangle are
  // given when the pointers are not null.
  bool project(const math::Vector3 &p, float *height, const Triangle **triangle) const;
  // (x, 0, z) and +y outside the grid.
  void surfacePoint(const math::Vector3 &position, math::Vector3 &point,
                    math::Vector3 &normal) const;
  // Where the segment first meets the surface; direction is the unit vector
  // from start to end.
  bool intersectSegment(const math::Vector3 &start, const math::Vector3 &end,
                        const math::Vector3 &direction, math::Vector3 &hit) const;

  // The caller's arrays; gathering stops when one is full. Return the number
  // of triangles added.
  int collectTriangles(const math::Sphere &sphere, const Triangle **triangles, int capacity) const;
  int collectTrianglesAndEdges(const math::Sphere &sphere, const Triangle **triangles,
                               int triangleCapacity, const Edge **edges, int edgeCapacity,
                               int &edgeCount) const;
  bool overlapsSphere(const math::Sphere &sphere, float margin, const Triangle **triangles,
                      int triangleCapacity, const Edge **edges, int edgeCapacity) const;
  // Where the sphere's centre must stand to rest on the surface; outside the
  // grid the surface is the plane y = 0.
  math::Vector3 resolveSphere(const math::Sphere &sphere, const Triangle **triangles,
                              int triangleCapacity, const Edge **edges, int edgeCapacity) const;

  // A map in memory costs about a hundred times its file, so a reader takes
  // no more grid points than this (512 x 512).
  static constexpr uint64_t MaxPoints = 1u << 18;

  // The heights and diagonals only; the spacing is not stored.
  void write(file::ByteReceiver &out) const;
  // False, the map unchanged, when the counts do not fit the bytes remaining
  // or ask for more than MaxPoints (reported).
  bool read(file::ByteProducer &in);
  // Whole or not at all: false (reported) when the file could not be saved.
  bool save(const String &path) const;
  bool load(const String &path);

private:
  int point(int i, int j) const { return i * m_size.height + j; }
  Cell &cell(int i, int j) { return m_cells[i * (m_size.height - 1) + j]; }
  const Cell &cell(int i, int j) const { return m_cells[i * (m_size.height - 1) + j]; }
  void computeDiagonalNormals();
  void computeBounds();
  void buildCell(int i, int j);
  void rebuildNormals();
  // Points each triangle's edge references at this map's own records, at
  // the same slots as in the source cells.
  void relinkEdges(const HeightMap &source);

  math::Size2i m_size;
  container::Vector<float> m_heights;
  container::Vector<Cell> m_cells;
  math::Vector3 m_spacing;
  bool m_verticesCurrent = false;
  container::Vector<math::Vector3> m_vertices;
  container::Vector<math::Vector3> m_normals;
  math::Box3D m_bounds;
  // d1 = unit(-s.z, s.x), d2 = -d1, d3 = unit(s.z, s.x), d4 = -d3.
  math::Vector2 m_diagonalNormal[4];
};

// The height at position's x and z of the plane through point with the given
// normal; false for a vertical plane.
bool project(const math::Vector3 &position, const math::Vector3 &point, const math::Vector3 &normal,
             float &height);
