#include "water/Waves.h"

#include "video/Canvas.h"

namespace water {

Waves::~Waves() { clearRenderPasses(); }

void Waves::setResolution(uint32_t rows, uint32_t columns) {
  m_rows = rows;
  m_columns = columns;
  uint32_t n = rows * columns;
  m_positions.clear();
  m_texCoords.clear();
  m_opacities.clear();
  m_positions.reserve(n);
  m_texCoords.reserve(n);
  m_opacities.reserve(n);
  for (uint32_t i = 0; i < n; ++i) {
    m_positions.push(math::Vector3());
    m_texCoords.push(math::Vector2());
    m_opacities.push(1.0f);
  }
}

void Waves::setVertex(uint32_t row, uint32_t column, const math::Vector3 &position,
                      const math::Vector2 &texCoord, float alpha) {
  if (row >= m_rows || column >= m_columns)
    return;
  uint32_t i = at(row, column);
  m_positions[i] = position;
  m_texCoords[i] = texCoord;
  m_opacities[i] = alpha;
}

video::RenderPass &Waves::addRenderPass(video::RenderPass *pass) {
  m_renderPasses.push(pass);
  return *pass;
}

void Waves::clearRenderPasses() {
  for (video::RenderPass *pass : m_renderPasses)
    delete pass;
  m_renderPasses.clear();
}

void Waves::render(video::Canvas &canvas) { canvas.drawWaves(*this); }

} // namespace water
