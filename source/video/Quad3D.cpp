#include "video/Quad3D.h"

#include "math/Quaternion.h"
#include "math/Rectangle.h"
#include "video/BillboardQuad.h"
#include "video/Canvas.h"

namespace video {

Quad3D::Quad3D() {
  m_texCoords[1] = math::Vector2(0.0f, 1.0f);
  m_texCoords[2] = math::Vector2(1.0f, 1.0f);
  m_texCoords[3] = math::Vector2(1.0f, 0.0f);
}

void Quad3D::setRectangle(const math::Rectangle &r) {
  m_positions[0] = math::Vector3(r.x, r.y + r.height, 0.0f);
  m_positions[1] = math::Vector3(r.x, r.y, 0.0f);
  m_positions[2] = math::Vector3(r.x + r.width, r.y, 0.0f);
  m_positions[3] = math::Vector3(r.x + r.width, r.y + r.height, 0.0f);
}

void Quad3D::setFromBillboard(const BillboardQuad &b) {
  m_renderPass.lit = false;
  m_renderPass.cull = false;
  m_renderPass.texture = b.texture;
  m_renderPass.blend = b.blend;
  m_renderPass.blendBehavior = b.blendBehavior;
  m_renderPass.color = b.color;
  for (int i = 0; i < 4; ++i) {
    m_texCoords[i] = b.texCoords[i];
    m_normals[i] = math::Vector3(0.0f, 0.0f, 1.0f);
  }
  setRectangle(b.local);
  if (b.rotation != 0.0f) {
    math::Quaternion q;
    q.setAxisAngle(math::Vector3(0.0f, 0.0f, -1.0f), b.rotation);
    for (math::Vector3 &p : m_positions)
      p = q.rotate(p);
  }
}

void Quad3D::setFromBillboard2D(const BillboardQuad &b) {
  setFromBillboard(b);
  for (math::Vector3 &p : m_positions)
    p += math::Vector3(b.position.x, b.position.y, 0.0f);
  m_renderPass.depthTest = false;
  m_renderPass.depthWrite = false;
}

void Quad3D::setFromBillboard3D(const BillboardQuad &b) {
  setFromBillboard(b);
  for (math::Vector3 &p : m_positions)
    p += b.position;
  m_renderPass.alphaTest = b.alphaTest;
  m_renderPass.alphaFunction = b.alphaFunction;
  m_renderPass.alphaReference = b.alphaReference;
  m_renderPass.depthTest = b.depthTest;
  m_renderPass.depthWrite = b.depthWrite;
}

bool Quad3D::drawsOpaque() const {
  if (!m_renderPass.drawsOpaque())
    return false;
  for (const math::Color &c : m_colors)
    if (c.a < 1.0f)
      return false;
  return true;
}

void Quad3D::render(Canvas &canvas) { canvas.drawQuad3D(*this); }

// Depth-sorted lists.

void DepthSortedList::renderAll(Canvas &canvas, Symbol pass) {
  for (uint32_t i = 0; i < m_count; ++i)
    m_items[i]->render3D(canvas, pass);
}

void DepthSortedList::renderAllAndClear(Canvas &canvas, Symbol pass) {
  renderAll(canvas, pass);
  m_count = 0;
}

void DepthSortedList::insertAt(uint32_t index, Renderable3D *drawable) {
  if (m_count == m_capacity) {
    uint32_t capacity = m_capacity ? 2 * m_capacity : 2;
    Renderable3D **items = new Renderable3D *[capacity];
    for (uint32_t i = 0; i < m_count; ++i)
      items[i] = m_items[i];
    delete[] m_items;
    m_items = items;
    m_capacity = capacity;
  }
  for (uint32_t i = m_count; i > index; --i)
    m_items[i] = m_items[i - 1];
  m_items[index] = drawable;
  ++m_count;
}

void DepthSortedList::insertByViewDepth(Renderable3D *drawable, const math::Vector3 &eye,
                                        const math::Vector3 &direction) {
  float d = (drawable->position() - eye).dot(direction);
  uint32_t i = 0;
  while (i < m_count && (m_items[i]->position() - eye).dot(direction) > d)
    ++i;
  insertAt(i, drawable);
}

void DepthSortedList::insertByZ(Renderable3D *drawable) {
  float z = drawable->position().z;
  uint32_t i = 0;
  while (i < m_count && m_items[i]->position().z < z)
    ++i;
  insertAt(i, drawable);
}

} // namespace video
