#include "mesh/MeshDefinition.h"

#include "video/BufferObject.h"
#include "video/TextureAccess.h"

namespace mesh {

MeshDefinition::MeshDefinition(Symbol name, uint32_t format, bool twoDimensional, bool hasTexCoords)
    : m_name(name), m_format(format), m_hasTexCoords(hasTexCoords),
      m_twoDimensional(twoDimensional) {}

MeshDefinition::~MeshDefinition() {
  freeArrays();
  for (video::BufferObject *&buffer : m_buffers) {
    if (buffer)
      video::BufferObjectPool::instance().destroy(buffer);
    buffer = nullptr;
  }
  for (MeshPart *part : m_parts)
    delete part;
}

void MeshDefinition::freeArrays() {
  delete[] m_positions2D;
  delete[] m_positions;
  delete[] m_colors;
  delete[] m_normals;
  delete[] m_texCoords;
  m_positions2D = nullptr;
  m_positions = nullptr;
  m_colors = nullptr;
  m_normals = nullptr;
  m_texCoords = nullptr;
  m_vertexCount = 0;
}

void MeshDefinition::allocate(uint32_t count) {
  freeArrays();
  if (count == 0)
    return;
  m_vertexCount = count;
  if (m_twoDimensional)
    m_positions2D = new math::Vector2[count];
  else
    m_positions = new math::Vector3[count];
  if (hasColors()) {
    m_colors = new math::PackedColor[count];
    for (uint32_t i = 0; i < count; ++i)
      m_colors[i] = math::PackedColor(255, 255, 255, 255);
  }
  if (hasNormals())
    m_normals = new math::Vector3[count];
  if (m_hasTexCoords)
    m_texCoords = new math::Vector2[count];
}

void MeshDefinition::setTexture(Texture *texture, int unit) {
  for (MeshPart *part : m_parts)
    part->setTexture(texture, unit);
}

void MeshDefinition::setTextureByName(const Database &database, Symbol name, int unit) {
  setTexture(video::findTexture(database, name), unit);
}

void MeshDefinition::setUnitValue(uint32_t value, int unit) {
  for (MeshPart *part : m_parts)
    part->setUnitValue(value, unit);
}

void MeshDefinition::setPartValue(video::Shader *shader) {
  for (MeshPart *part : m_parts)
    part->shader = shader;
}

void MeshDefinition::offsetTexCoords(const math::Vector2 &offset) {
  if (!m_texCoords)
    return;
  for (uint32_t i = 0; i < m_vertexCount; ++i)
    m_texCoords[i] += offset;
}

void MeshDefinition::releaseBuffers() {
  for (video::BufferObject *buffer : m_buffers)
    if (buffer)
      buffer->release();
  for (MeshPart *part : m_parts)
    for (IndexList *list : part->indexLists)
      list->releaseBuffer();
}

} // namespace mesh
