#include "math/HeightMap.h"

#include "math/Scalar.h"

namespace {

// Corner grid offsets, edge slots and 2-D edge normals of one triangle; the
// edge normals are either axis directions or one of the four diagonal
// normals (slots 0 to 3 of the map's table, here 4 + slot).
struct TriangleLayout {
  int corner[3][2];
  int edge[3];
  int edgeNormal[3];
};

constexpr int minusZ = 0, plusX = 1, plusZ = 2, minusX = 3;
constexpr int d1 = 4, d2 = 5, d3 = 6, d4 = 7;

// [diagonal][triangle].
constexpr TriangleLayout layouts[2][2] = {
    {{{{0, 0}, {1, 1}, {1, 0}}, {0, 2, 3}, {minusZ, d1, plusX}},
     {{{0, 0}, {0, 1}, {1, 1}}, {1, 4, 0}, {minusX, plusZ, d2}}},
    {{{{1, 0}, {0, 0}, {0, 1}}, {3, 1, 0}, {minusZ, minusX, d3}},
     {{{1, 0}, {0, 1}, {1, 1}}, {0, 4, 2}, {d4, plusZ, plusX}}},
};

// The two end points (grid offsets) of the five edges; the diagonal by the
// cell's diagonal flag.
constexpr int edgeEnds[2][5][2][2] = {
    {{{0, 0}, {1, 1}}, {{0, 0}, {0, 1}}, {{1, 0}, {1, 1}}, {{0, 0}, {1, 0}}, {{0, 1}, {1, 1}}},
    {{{0, 1}, {1, 0}}, {{0, 0}, {0, 1}}, {{1, 0}, {1, 1}}, {{0, 0}, {1, 0}}, {{0, 1}, {1, 1}}},
};

math::Vector2 unit(float x, float y) {
  math::Vector2 v(x, y);
  v.normalize();
  return v;
}

int clampCount(int n) { return n < 0 ? 0 : n; }

} // namespace

HeightMap::HeightMap(const math::Vector3 &spacing) : m_spacing(spacing) {
  computeDiagonalNormals();
}

HeightMap::HeightMap(const math::Size2i &size, const math::Vector3 &spacing) : m_spacing(spacing) {
  resize(size);
}

HeightMap::HeightMap(const HeightMap &other) { *this = other; }

HeightMap &HeightMap::operator=(const HeightMap &other) {
  if (this == &other)
    return *this;
  m_size = other.m_size;
  m_heights = other.m_heights;
  m_cells = other.m_cells;
  m_spacing = other.m_spacing;
  m_verticesCurrent = other.m_verticesCurrent;
  m_vertices = other.m_vertices;
  m_normals = other.m_normals;
  m_bounds = other.m_bounds;
  for (int k = 0; k < 4; ++k)
    m_diagonalNormal[k] = other.m_diagonalNormal[k];
  relinkEdges(other);
  return *this;
}

void HeightMap::relinkEdges(const HeightMap &source) {
  for (uint32_t c = 0; c < m_cells.size(); ++c)
    for (Triangle &t : m_cells[c].tri)
      for (const Edge *&e : t.edges)
        if (e != nullptr)
          e = m_cells[c].edge + (e - source.m_cells[c].edge);
}

void HeightMap::resize(const math::Size2i &size) {
  m_size = math::Size2i(clampCount(size.width), clampCount(size.height));
  const uint32_t points = uint32_t(m_size.width) * uint32_t(m_size.height);
  const uint32_t cells = m_size.width > 1 && m_size.height > 1
                             ? uint32_t(m_size.width - 1) * uint32_t(m_size.height - 1)
                             : 0;
  m_heights.release();
  m_cells.release();
  m_vertices.release();
  m_normals.release();
  m_heights.reserve(points);
  m_heights.setSize(points);
  for (uint32_t k = 0; k < points; ++k)
    m_heights[k] = 0;
  m_cells.reserve(cells);
  m_cells.setSize(cells);
  m_vertices.reserve(points);
  m_vertices.setSize(points);
  m_normals.reserve(points);
  m_normals.setSize(points);
  computeDiagonalNormals();
}

void HeightMap::setSpacing(const math::Vector3 &spacing) {
  m_spacing = spacing;
  rebuildVertices();
  computeDiagonalNormals();
  rebuildAll();
}

void HeightMap::computeDiagonalNormals() {
  const math::Vector3 &s = m_spacing;
  m_diagonalNormal[0] = unit(-s.z, s.x);
  m_diagonalNormal[1] = unit(s.z, -s.x);
  m_diagonalNormal[2] = unit(s.z, s.x);
  m_diagonalNormal[3] = unit(-s.z, -s.x);
}

math::Vector3 HeightMap::centre(const math::Size2i &size) {
  math::Vector3 c;
  if (size.width != 0)
    c.x = float(size.width - 1) / 2;
  if (size.height != 0)
    c.z = float(size.height - 1) / 2;
  return c;
}

void HeightMap::rebuildVertices() {
  const math::Vector3 c = centre(m_size);
  // The outer loops are skipped for a grid with no points at all, however
  // long its other side.
  for (int i = 0; m_heights.size() != 0 && i < m_size.width; ++i)
    for (int j = 0; j < m_size.height; ++j) {
      math::Vector3 v = math::Vector3(float(i), height(i, j), float(j)) - c;
      v *= m_spacing;
      m_vertices[point(i, j)] = v;
    }
  m_verticesCurrent = true;
  computeBounds();
}

// Around the cells with at least one corner at or above 0; sunken cells do
// not count.
void HeightMap::computeBounds() {
  bool any = false;
  math::Vector3 low, high;
  for (int i = 0; m_cells.size() != 0 && i + 1 < m_size.width; ++i)
    for (int j = 0; j + 1 < m_size.height; ++j) {
      const math::Vector3 *corners[4] = {&vertex(i, j), &vertex(i + 1, j), &vertex(i, j + 1),
                                         &vertex(i + 1, j + 1)};
      bool counts = false;
      for (const math::Vector3 *v : corners)
        counts = counts || v->y >= 0;
      if (!counts)
        continue;
      for (const math::Vector3 *v : corners) {
        if (!any) {
          low = high = *v;
          any = true;
          continue;
        }
        low.set(math::min(low.x, v->x), math::min(low.y, v->y), math::min(low.z, v->z));
        high.set(math::max(high.x, v->x), math::max(high.y, v->y), math::max(high.z, v->z));
      }
    }
  if (!any) {
    m_bounds = math::Box3D();
    return;
  }
  m_bounds.center = (low + high) * 0.5f;
  m_bounds.extents = high - m_bounds.center;
}

void HeightMap::buildCell(int i, int j) {
  Cell &c = cell(i, j);
  const int d = c.diagonal ? 1 : 0;
  for (int e = 0; e < 5; ++e) {
    const math::Vector3 &from = vertex(i + edgeEnds[d][e][0][0], j + edgeEnds[d][e][0][1]);
    const math::Vector3 &to = vertex(i + edgeEnds[d][e][1][0], j + edgeEnds[d][e][1][1]);
    c.edge[e].start = from;
    c.edge[e].delta = to - from;
    c.edge[e].deltaSquared = c.edge[e].delta.lengthSquared();
  }
  for (int k = 0; k < 2; ++k) {
    const TriangleLayout &layout = layouts[d][k];
    Triangle &t = c.tri[k];
    for (int n = 0; n < 3; ++n) {
      t.index[n][0] = i + layout.corner[n][0];
      t.index[n][1] = j + layout.corner[n][1];
      t.corner[n] = vertex(t.index[n][0], t.index[n][1]);
      t.edges[n] = &c.edge[layout.edge[n]];
      const int normal = layout.edgeNormal[n];
      switch (normal) {
      case minusZ:
        t.edgeNormal[n] = math::Vector2(0, -1);
        break;
      case plusX:
        t.edgeNormal[n] = math::Vector2(1, 0);
        break;
      case plusZ:
        t.edgeNormal[n] = math::Vector2(0, 1);
        break;
      case minusX:
        t.edgeNormal[n] = math::Vector2(-1, 0);
        break;
      default:
        t.edgeNormal[n] = m_diagonalNormal[normal - d1];
      }
    }
    t.faceNormal = (t.corner[2] - t.corner[1]).cross(t.corner[0] - t.corner[1]);
    t.faceNormal.normalizeFast();
    for (int n = 0; n < 3; ++n)
      t.sidePlaneNormal[n] = (t.corner[(n + 1) % 3] - t.corner[n]).cross(t.faceNormal);
  }
}

void HeightMap::rebuildCells(int i0, int i1, int j0, int j1) {
  i0 = math::max(i0, 0);
  j0 = math::max(j0, 0);
  i1 = math::min(i1, m_size.width);
  j1 = math::min(j1, m_size.height);
  for (int i = i0; m_cells.size() != 0 && i + 1 < i1; ++i)
    for (int j = j0; j + 1 < j1; ++j)
      buildCell(i, j);
  rebuildNormals();
}

void HeightMap::rebuildAll() { rebuildCells(0, m_size.width, 0, m_size.height); }

// Border points get +y; an interior point the weighted face normals of the
// six triangles around it, whatever the cells' diagonals.
void HeightMap::rebuildNormals() {
  const int nx = m_size.width, nz = m_size.height;
  for (int i = 0; m_normals.size() != 0 && i < nx; ++i)
    for (int j = 0; j < nz; ++j) {
      math::Vector3 &n = m_normals[point(i, j)];
      if (i == 0 || j == 0 || i == nx - 1 || j == nz - 1) {
        n.set(0, 1, 0);
        continue;
      }
      n = cell(i, j).tri[1].faceNormal * 0.25f + cell(i, j - 1).tri[0].faceNormal * 0.125f +
          cell(i, j - 1).tri[1].faceNormal * 0.125f + cell(i - 1, j - 1).tri[0].faceNormal * 0.25f +
          cell(i - 1, j).tri[1].faceNormal * 0.125f + cell(i - 1, j).tri[0].faceNormal * 0.125f;
      n.normalizeFast();
    }
}

void HeightMap::chooseDiagonals() {
  rebuildAll();
  for (int i = 0; m_cells.size() != 0 && i + 1 < m_size.width; ++i)
    for (int j = 0; j + 1 < m_size.height; ++j) {
      const math::Vector3 &p = normal(i, j), &q = normal(i + 1, j);
      const math::Vector3 &r = normal(i, j + 1), &s = normal(i + 1, j + 1);
      cell(i, j).diagonal = !(p.dot(s) > q.dot(r));
    }
  rebuildAll();
}

void HeightMap::fitSpacing() {
  computeBounds();
  m_spacing = m_bounds.extents * 2;
  if (m_size.width > 1)
    m_spacing.x /= float(m_size.width - 1);
  if (m_size.height > 1)
    m_spacing.z /= float(m_size.height - 1);
  computeDiagonalNormals();
  const uint32_t points = m_heights.size();
  for (uint32_t k = 0; k < points; ++k)
    m_heights[k] = m_spacing.y == 0 ? 0 : m_vertices[k].y / m_spacing.y;
  chooseDiagonals();
}

void HeightMap::normalizeHeights() {
  const uint32_t points = m_heights.size();
  float top = 0;
  for (uint32_t k = 0; k < points; ++k)
    top = math::max(top, m_vertices[k].y);
  m_spacing.y = top;
  for (uint32_t k = 0; k < points; ++k)
    m_heights[k] = top > 0 ? m_vertices[k].y / top : 0;
  m_bounds.center.y = top / 2;
  m_bounds.extents.y = top / 2;
  m_verticesCurrent = true;
}

bool project(const math::Vector3 &position, const math::Vector3 &point, const math::Vector3 &normal,
             float &height) {
  if (normal.y == 0)
    return false;
  height =
      point.y - (normal.x * (position.x - point.x) + normal.z * (position.z - point.z)) / normal.y;
  return true;
}
