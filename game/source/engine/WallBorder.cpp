// The border strip drawn along a wall set: an inner and an outer strip
// between the outline's corners and the border vertices paired with them.

#include "engine/WallSet.h"

#include "file/Database.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "video/VertexRenderer.h"

namespace {

mesh::IndexList *strip(uint32_t count) {
  auto *list = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP);
  list->resize(count);
  return list;
}

} // namespace

void WallSet::createBorder() {
  m_borderDefinition = new mesh::MeshDefinition(SYM(L"border"), mesh::MESH_PLAIN, true, true);
  m_borderDefinition->addPart(new mesh::MeshPart(0));
  if (const Database *database = Database::current())
    m_borderDefinition->setTextureByName(*database, SYM(L"border"), 0);
  m_border = new mesh::Mesh(m_borderDefinition);
  m_border->cull = false;
  m_border->depthTest = false;
  m_border->depthWrite = false;
}

void WallSet::destroyBorder() {
  delete m_border;
  delete m_borderDefinition;
}

void WallSet::render(video::Canvas &canvas) { m_border->render(canvas); }

void WallSet::rebuildBorder() {
  mesh::MeshDefinition &d = *m_borderDefinition;
  mesh::MeshPart &part = d.part(0);
  d.releaseBuffers();
  part.deleteIndexLists();
  const uint32_t corners = m_outline.size();
  const uint32_t inner = m_innerBorder.size();
  const uint32_t outer = m_outerBorder.size();
  if (inner == 0 || outer == 0) {
    d.allocate(0);
    return;
  }
  // The reader holds corners + inner + outer within the 16-bit indices and
  // every border vertex's corner below the corner count.
  d.allocate(corners + inner + outer);
  // Across the border texture: the wall itself, then the strips' far edges.
  const math::Vector2 wallCoordinate(0.5f, 0.0f);
  const math::Vector2 innerCoordinate(0.8f, 0.0f);
  const math::Vector2 outerCoordinate(0.2f, 0.0f);
  for (uint32_t i = 0; i < corners; ++i) {
    const math::Vector3 p = gridToWorld(m_outline[i]);
    d.position2D(i) = math::Vector2(p.x, p.y);
    d.texCoord(i) = wallCoordinate;
  }
  for (uint32_t k = 0; k < inner; ++k) {
    d.position2D(corners + k) = m_innerBorder[k].position;
    d.texCoord(corners + k) = innerCoordinate;
  }
  for (uint32_t k = 0; k < outer; ++k) {
    d.position2D(corners + inner + k) = m_outerBorder[k].position;
    d.texCoord(corners + inner + k) = outerCoordinate;
  }
  mesh::IndexList *innerStrip = strip(2 * (inner + 1));
  for (uint32_t k = 0; k <= inner; ++k) {
    (*innerStrip)[2 * k] = m_innerBorder[k % inner].corner;
    (*innerStrip)[2 * k + 1] = (unsigned short)(corners + k % inner);
  }
  part.addIndexList(innerStrip);
  mesh::IndexList *outerStrip = strip(2 * (outer + 1));
  for (uint32_t k = 0; k <= outer; ++k) {
    (*outerStrip)[2 * k] = (unsigned short)(corners + inner + k % outer);
    (*outerStrip)[2 * k + 1] = m_outerBorder[k % outer].corner;
  }
  part.addIndexList(outerStrip);
}
