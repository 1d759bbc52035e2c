#include "shape/Shape.h"

#include "video/Canvas.h"
#include "video/TextureAccess.h"

namespace shape {

void deleteIndexLists(container::Vector<mesh::IndexList *> &lists) {
  for (mesh::IndexList *list : lists)
    delete list;
  lists.clear();
}

Shape::~Shape() {
  freeVertices();
  deleteIndexLists(m_strips);
  deleteIndexLists(m_fans);
}

void Shape::freeVertices() {
  delete[] m_positions;
  delete[] m_colors;
  delete[] m_uvs;
  m_positions = nullptr;
  m_colors = nullptr;
  m_uvs = nullptr;
  m_vertexCount = 0;
}

void Shape::setVertexCount(uint32_t n) {
  freeVertices();
  if (n == 0)
    return;
  m_vertexCount = n;
  m_positions = new math::Vector3[n];
  m_colors = new math::Color[n];
  m_uvs = new math::Vector2[n];
}

void Shape::offsetUVs(const math::Vector2 &delta) {
  for (uint32_t i = 0; i < m_vertexCount; ++i)
    m_uvs[i] += delta;
}

math::Rectangle Shape::boundingRectangle() const {
  math::Rectangle r;
  if (m_vertexCount == 0)
    return r;
  float left = m_positions[0].x, right = left, bottom = m_positions[0].y, top = bottom;
  for (uint32_t i = 1; i < m_vertexCount; ++i) {
    const math::Vector3 &p = m_positions[i];
    left = p.x < left ? p.x : left;
    right = p.x > right ? p.x : right;
    bottom = p.y < bottom ? p.y : bottom;
    top = p.y > top ? p.y : top;
  }
  r.set(left, bottom, right - left, top - bottom);
  return r;
}

bool Shape::drawsOpaque(float) const {
  if (color.a < 1.0f)
    return false;
  return !texture || video::textureIsOpaque(texture);
}

void Shape::render(video::Canvas &canvas) { canvas.drawShape(*this); }

void Shape::drawUntextured(video::Canvas &canvas) {
  bool mode = canvas.shapeMode();
  Texture *saved = texture;
  texture = nullptr;
  canvas.setShapeMode(true);
  canvas.drawShape(*this);
  canvas.setShapeMode(mode);
  texture = saved;
}

} // namespace shape
