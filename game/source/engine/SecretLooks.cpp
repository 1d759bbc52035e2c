// How a secret is drawn: a quad under the level's background texture at the
// background's own scale, so that it looks like the background round the
// level, with a border ribbon along each long side.

#include "engine/GameTextures.h"
#include "engine/Level.h"
#include "engine/Secret.h"
#include "math/Color.h"
#include "mesh/IndexList.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "mesh/MeshPart.h"
#include "video/Canvas.h"
#include "video/VertexRenderer.h"

void Secret::rebuildMesh() {
  mesh::MeshDefinition &d = *m_meshDefinition;
  d.releaseBuffers();
  mesh::MeshPart &part = d.part(0);
  part.deleteIndexLists();
  d.allocate(4);
  const float k = m_owner->backgroundScale();
  for (uint32_t i = 0; i < 4; ++i) {
    const math::Vector2 p = coverVertex(i);
    d.position2D(i) = p;
    d.texCoord(i) = math::Vector2(k * p.x, -(k * p.y));
  }
  auto *strip = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP);
  strip->resize(4);
  for (uint16_t i = 0; i < 4; ++i)
    (*strip)[i] = i;
  part.addIndexList(strip);
  d.setTexture(m_owner->backgroundTexture(), 0);
  m_meshDirty = false;
}

void Secret::render(video::Canvas &canvas) {
  if (m_meshDirty)
    rebuildMesh();
  canvas.pushColor();
  canvas.multiplyColor(math::Color(1.0f, 1.0f, 1.0f, m_opacity));
  m_mesh->render(canvas);
  if (!m_borderPass.texture)
    m_borderPass.texture = gameTexture(SYM(L"border"));
  for (const math::Points2D &border : m_borders)
    canvas.drawPolylineRibbon2D(border, m_borderPass, false);
  canvas.popColor();
}
