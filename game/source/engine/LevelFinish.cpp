// What the level builds once its file is read: the faces of its blocks, the
// floor's bounds, the view and whether the floor fits in it, the texture
// scales and floor meshes, and the camera at its home.

#include "engine/FloorArea.h"
#include "engine/Level.h"

#include "billboard/Billboard.h"
#include "file/Database.h"
#include "texture/TextureManager.h"
#include "video/Window.h"

#include <cmath>

namespace {

Texture *textureNamed(Symbol name) {
  const Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  return textures ? textures->getTexture(name) : nullptr;
}

// Window pixels per world unit over the texture's width; 0 without one.
float textureScale(Texture *texture, float pixelsPerUnit) {
  const float side = Billboard::textureSide(texture);
  return side > 0.0f ? pixelsPerUnit / side : 0.0f;
}

} // namespace

void Level::finishLoad() {
  finishLevel();
  m_camera.setPosition(cameraHome());
  refreshVisibleRectangle();
  refreshSpriteSize();
}

void Level::finishLevel() {
  const math::Vector2i &origin = m_blockGrid.origin();
  const math::Vector2i end = m_blockGrid.end();
  refreshBlockFaces(origin, math::Vector2i(end.x - 1, end.y - 1));

  m_floorMin = m_floorMax = math::Vector3();
  for (uint32_t i = 0; i < m_floorAreas.size(); ++i) {
    math::Vector3 low, high;
    m_floorAreas[i]->bounds(low, high);
    if (i == 0) {
      m_floorMin = low;
      m_floorMax = high;
      continue;
    }
    m_floorMin.x = std::fmin(m_floorMin.x, low.x);
    m_floorMin.y = std::fmin(m_floorMin.y, low.y);
    m_floorMax.x = std::fmax(m_floorMax.x, high.x);
    m_floorMax.y = std::fmax(m_floorMax.y, high.y);
  }

  refreshVisibleRectangle();
  refreshTextureScales();
  m_fitsOnScreen = m_visibleMin.x < m_floorMin.x && m_visibleMax.x > m_floorMax.x &&
                   m_visibleMin.y < m_floorMin.y && m_visibleMax.y > m_floorMax.y;
  for (FloorArea *area : m_floorAreas)
    area->buildMesh(m_interiorTexture, m_interiorScale);
}

void Level::refreshTextureScales() {
  // The visible width in the plane z = 0 under the camera's horizontal view.
  const float distance = std::fabs(m_camera.position().z);
  const float halfAngle = 0.5f * m_camera.fov().x * float(M_PI) / 180.0f;
  const float visibleWidth = 2.0f * distance * std::tan(halfAngle);
  const float pixelsPerUnit =
      visibleWidth > 0.0f ? video::Window::screenSize().x / visibleWidth : 0.0f;
  m_backgroundTexture = textureNamed(m_backgroundName);
  m_interiorTexture = textureNamed(m_interiorName);
  m_backgroundScale = textureScale(m_backgroundTexture, pixelsPerUnit);
  m_interiorScale = textureScale(m_interiorTexture, pixelsPerUnit);
}
