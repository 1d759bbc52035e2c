#include "mesh/IndexList.h"

#include "video/BufferObject.h"

namespace mesh {

IndexList::IndexList(uint32_t primitive) : primitive(primitive) {}

IndexList::~IndexList() {
  if (elementBuffer)
    video::BufferObjectPool::instance().destroy(elementBuffer);
}

void IndexList::resize(uint32_t count) {
  uint32_t old = m_indices.size();
  m_indices.reserve(count);
  m_indices.setSize(count);
  for (uint32_t i = old; i < count; ++i)
    m_indices[i] = 0;
}

void IndexList::releaseBuffer() {
  if (elementBuffer)
    elementBuffer->release();
}

} // namespace mesh
