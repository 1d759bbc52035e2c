#include "cloth/Cloth.h"

#include "video/Canvas.h"
#include "video/Light.h"

namespace cloth {

Cloth::Cloth(uint32_t columns, uint32_t rows, const math::Vector3 &scale)
    : m_columns(columns), m_rows(rows), m_scale(scale) {
  rebuild();
}

void Cloth::rebuild() {
  uint32_t n = m_columns * m_rows;
  m_structure.setAtomCount(n);
  m_normals.clear();
  m_texCoords.clear();
  m_normals.reserve(n);
  m_texCoords.reserve(n);
  // A single column or row has coordinate 0 along it.
  float across = m_columns > 1 ? 1.0f / float(m_columns - 1) : 0.0f;
  float along = m_rows > 1 ? 1.0f / float(m_rows - 1) : 0.0f;
  for (uint32_t i = 0; i < m_columns; ++i)
    for (uint32_t j = 0; j < m_rows; ++j) {
      m_structure.getAtom(at(j, i)).resetPosition(
          math::Vector3(float(i) * m_scale.x, -float(j) * m_scale.y, 0.0f));
      m_normals.push(math::Vector3(0.0f, 1.0f, 0.0f));
      m_texCoords.push(math::Vector2(float(i) * across, float(j) * along));
    }
}

void Cloth::render(video::Canvas &canvas) {
  video::Light light;
  light.direction = lightVector;
  light.ambient = math::Color(0.6f, 0.6f, 0.6f, 1.0f);
  light.diffuse = math::Color(1.0f, 1.0f, 1.0f, 1.0f);
  light.specular = math::Color(0.0f, 0.0f, 0.0f, 1.0f);
  canvas.enableLight(light);
  canvas.drawCloth(*this);
  canvas.disableLight(light);
}

} // namespace cloth
