#include "video/QuadBatch.h"

#include "video/Canvas.h"

namespace video {

QuadBatch::QuadBatch(uint16_t capacity) : m_capacity(capacity) {
  m_positions.reserve(3u * capacity);
  m_colors.reserve(4u * capacity);
  m_texCoords.reserve(2u * capacity);
  m_indices.reserve(6u * (capacity / 4u));
}

void QuadBatch::clearArrays() {
  m_positions.clear();
  m_colors.clear();
  m_texCoords.clear();
  m_indices.clear();
  m_vertexCount = 0;
}

void QuadBatch::reset() {
  clearArrays();
  m_uniformColor = 1;
}

void QuadBatch::flush(Canvas &canvas) {
  if (m_vertexCount == 0 || m_flushing)
    return;
  m_flushing = 1;
  canvas.drawQuadBatch(*this);
  clearArrays();
  m_uniformColor = 1;
  m_flushing = 0;
}

void QuadBatch::addVertex(const math::Vector3 &position, const math::Color &color,
                          const math::Vector2 &texCoord) {
  if (m_vertexCount == 0)
    m_firstColor = color;
  else if (m_uniformColor && !(color == m_firstColor))
    m_uniformColor = 0;
  math::PackedColor packed(color);
  m_colors.push(packed.r);
  m_colors.push(packed.g);
  m_colors.push(packed.b);
  m_colors.push(packed.a);
  m_positions.push(position.x);
  m_positions.push(position.y);
  if (!m_twoD)
    m_positions.push(position.z);
  m_texCoords.push(texCoord.x);
  m_texCoords.push(texCoord.y);
  ++m_vertexCount;
}

} // namespace video
