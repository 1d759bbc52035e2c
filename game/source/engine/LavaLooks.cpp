// How a pool is drawn: its mesh under the two lava textures, the rim and the
// bubbles; the mesh is made anew at the first draw after the outline changed.

#include "engine/Lava.h"
#include "engine/Level.h"
#include "file/Database.h"
#include "math/Box3D.h"
#include "mesh/IndexList.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "mesh/MeshPart.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"
#include "video/VertexRenderer.h"

#include <cmath>

namespace {

Texture *textureNamed(Symbol name) {
  const Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  return textures ? textures->getTexture(name) : nullptr;
}

math::Box3D boxOf(const math::Vector2 &a, const math::Vector2 &b) {
  return math::Box3D::fromCorners(math::Vector3(a.x, a.y, 0.0f), math::Vector3(b.x, b.y, 0.0f));
}

} // namespace

void Lava::rebuildMesh() {
  mesh::MeshDefinition &d = *m_meshDefinition;
  d.releaseBuffers();
  mesh::MeshPart &part = d.part(0);
  for (mesh::IndexList *list : part.indexLists)
    delete list;
  part.indexLists.clear();
  const uint32_t n = m_outline.size();
  d.allocate(n);
  const float k = m_owner->interiorScale();
  for (uint32_t i = 0; i < n; ++i) {
    const math::Vector2 &p = m_outline[i];
    d.position2D(i) = p;
    d.texCoord(i) = math::Vector2(k * p.x, -k * p.y) * 2.0f;
  }
  auto *triangles = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_LIST);
  triangles->resize(m_triangles.size());
  for (uint32_t i = 0; i < m_triangles.size(); ++i)
    (*triangles)[i] = m_triangles[i];
  part.addIndexList(triangles);
  m_meshDirty = false;
}

void Lava::renderLayer(video::Canvas &canvas, uint32_t layer) {
  if (!hasArea())
    return;
  if (m_meshDirty)
    rebuildMesh();
  switch (layer) {
  case 0:
  case 1:
    m_meshDefinition->setTexture(textureNamed(layer == 0 ? SYM(L"lavaLower") : SYM(L"lavaUpper")),
                                 0);
    m_mesh->render(canvas);
    break;
  case 2: {
    const Level &level = *m_owner;
    const math::Color rim(1.0f, 0.25f, 0.0f, 0.7f + 0.15f * std::sin(level.playTime()));
    const uint32_t n = m_outline.size();
    for (uint32_t i = 0; i < n; ++i) {
      const math::Vector2 &a = m_outline[i], &b = m_outline[(i + 1) % n];
      if (level.isVisible(boxOf(a, b)))
        canvas.drawLine(a, b, rim, 1.0f, false, video::BLEND_ADDITIVE);
    }
    break;
  }
  case 3: {
    if (m_bubblePositions.isEmpty())
      return;
    if (!m_bubblePass.texture)
      m_bubblePass.texture = textureNamed(SYM(L"lavaBubble"));
    const float attenuation[3] = {1.0f, 0.0f, 0.0f};
    canvas.drawPoints(&m_bubblePositions[0].x, int(m_bubblePositions.size()), 2,
                      &m_bubbleColours[0].r, m_bubbleSizes.data(), int(m_bubbleSizes.size()), 1.0f,
                      attenuation, m_bubblePass);
    break;
  }
  default:
    break;
  }
}
