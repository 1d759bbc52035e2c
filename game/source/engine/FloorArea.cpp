#include "engine/FloorArea.h"

#include "engine/BoundedCount.h"
#include "engine/Level.h"
#include "engine/WallSet.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "video/VertexRenderer.h"

namespace {

// The four counts of an empty wall-set record.
constexpr uint32_t wallSetBytes = 4 * 4;
constexpr uint32_t pointBytes = 2 * 4;
constexpr uint32_t indexBytes = 4;

} // namespace

FloorArea::FloorArea(Level &level, int index)
    : m_level(level), m_index(index), m_outline(new WallSet(level, index)) {
  m_floorDefinition = new mesh::MeshDefinition(SYM(L"floor"), mesh::MESH_PLAIN, true, true);
  m_floorDefinition->addPart(new mesh::MeshPart(0));
  m_floor = new mesh::Mesh(m_floorDefinition);
  // The floor lies under everything else of the level in the one plane.
  m_floor->cull = false;
  m_floor->depthTest = false;
  m_floor->depthWrite = false;
}

FloorArea::~FloorArea() {
  deleteFurtherWalls();
  delete m_outline;
  delete m_floor;
  delete m_floorDefinition;
}

void FloorArea::deleteFurtherWalls() {
  for (WallSet *walls : m_furtherWalls)
    delete walls;
  m_furtherWalls.clear();
}

WallSet &FloorArea::addFurtherWall() {
  auto *walls = new WallSet(m_level, m_index);
  m_furtherWalls.push(walls);
  return *walls;
}

void FloorArea::setFloor(const container::Vector<math::Vector2i> &points,
                         const container::Vector<uint32_t> &indices) {
  m_points.clear();
  m_indices.clear();
  for (const math::Vector2i &p : points)
    m_points.push(p);
  for (uint32_t i : indices)
    m_indices.push(i);
}

bool FloorArea::read(file::ByteProducer &in) {
  bool ok = readRecord(in) && !in.overrun();
  if (!ok) {
    m_points.clear();
    m_indices.clear();
  }
  return ok;
}

bool FloorArea::readRecord(file::ByteProducer &in) {
  delete m_outline;
  m_outline = new WallSet(m_level, m_index);
  deleteFurtherWalls();
  m_points.clear();
  m_indices.clear();
  if (!m_outline->read(in))
    return false;

  uint16_t further;
  if (!bounded::readCount(in, wallSetBytes, further))
    return false;
  for (uint16_t i = 0; i < further; ++i)
    if (!addFurtherWall().read(in))
      return false;

  uint32_t points;
  if (!bounded::readCount(in, pointBytes, points) || points > maxPoints)
    return false;
  m_points.reserve(points);
  for (uint32_t i = 0; i < points; ++i) {
    math::Vector2i p;
    p.read(in);
    m_points.push(p);
  }

  uint32_t indices;
  if (!bounded::readCount(in, indexBytes, indices))
    return false;
  m_indices.reserve(indices);
  for (uint32_t i = 0; i < indices; ++i) {
    uint32_t index;
    file::read(index, in);
    // The mesh takes each index as 16 bits into its points.
    if (index >= points)
      return false;
    m_indices.push(index);
  }
  return true;
}

void FloorArea::write(file::ByteReceiver &out) const {
  m_outline->write(out);
  file::write(uint16_t(m_furtherWalls.size()), out);
  for (const WallSet *walls : m_furtherWalls)
    walls->write(out);
  file::write(m_points.size(), out);
  for (const math::Vector2i &p : m_points)
    p.write(out);
  file::write(m_indices.size(), out);
  for (uint32_t index : m_indices)
    file::write(index, out);
}

bool FloorArea::accepts(const math::Vector3 &point) const {
  math::Vector3 resolved;
  WallEdge edge;
  if (m_outline->contact(point, resolved, edge))
    return false;
  for (const WallSet *walls : m_furtherWalls)
    if (walls->contact(point, resolved, edge))
      return false;
  return true;
}

void FloorArea::bounds(math::Vector3 &minimum, math::Vector3 &maximum) const {
  m_outline->bounds(minimum, maximum);
}

void FloorArea::buildMesh(Texture *interior, float interiorScale) {
  mesh::MeshDefinition &d = *m_floorDefinition;
  mesh::MeshPart &part = d.part(0);
  d.releaseBuffers();
  for (mesh::IndexList *list : part.indexLists)
    delete list;
  part.indexLists.clear();
  d.allocate(m_points.size());
  for (uint32_t i = 0; i < m_points.size(); ++i) {
    const math::Vector3 p = Level::cellCorner(m_points[i]);
    d.position2D(i) = math::Vector2(p.x, p.y);
    d.texCoord(i) = math::Vector2(interiorScale * p.x, -(interiorScale * p.y));
  }
  auto *triangles = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_LIST);
  triangles->resize(m_indices.size());
  // The reader keeps every index below the point count, at most maxPoints.
  for (uint32_t i = 0; i < m_indices.size(); ++i)
    (*triangles)[i] = (unsigned short)m_indices[i];
  part.addIndexList(triangles);
  part.setTexture(interior, 0);
}

void FloorArea::renderFloor(video::Canvas &canvas) {
  if (m_floorDefinition->vertexCount() > 0)
    m_floor->render(canvas);
}

void FloorArea::renderWalls(video::Canvas &canvas) {
  m_outline->render(canvas);
  for (WallSet *walls : m_furtherWalls)
    walls->render(canvas);
}
