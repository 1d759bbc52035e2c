#include "shape/Shape.h"

namespace shape {

namespace {

void copyLists(const container::Vector<mesh::IndexList *> &from,
               container::Vector<mesh::IndexList *> &to) {
  for (const mesh::IndexList *list : from) {
    auto *copied = new mesh::IndexList(list->primitive);
    copied->resize(list->count());
    for (uint32_t i = 0; i < list->count(); ++i)
      (*copied)[i] = (*list)[i];
    to.push(copied);
  }
}

} // namespace

Shape *Shape::copy() const {
  auto *shape = new Shape;
  shape->setVertexCount(m_vertexCount);
  for (uint32_t i = 0; i < m_vertexCount; ++i) {
    shape->m_positions[i] = m_positions[i];
    shape->m_colors[i] = m_colors[i];
    shape->m_uvs[i] = m_uvs[i];
  }
  copyLists(m_strips, shape->m_strips);
  copyLists(m_fans, shape->m_fans);
  shape->name = name;
  shape->texture = texture;
  shape->position = position;
  shape->scale = scale;
  shape->rotation = rotation;
  shape->color = color;
  shape->blend = blend;
  shape->textureStyle = textureStyle;
  return shape;
}

} // namespace shape
