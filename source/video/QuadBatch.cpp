#include "video/QuadBatch.h"

#include "video/Canvas.h"
#include "video/TextureAccess.h"

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

bool QuadBatch::prepare(Canvas &canvas, uint16_t n, bool opaque, const RenderPass &pass) {
  if (n == 0)
    return false;
  math::Color color = pass.color;
  if (canvas.colorStackSize())
    color *= canvas.colorStackTop();
  if (color.a == 0.0f)
    return false;

  State s;
  s.texture = pass.texture;
  s.depthTest = canvas.effectiveDepthTest(pass.depthTest);
  s.depthWrite = canvas.effectiveDepthWrite(pass.depthWrite);
  s.depthFunction = canvas.effectiveDepthFunction(pass.depthFunction);
  s.textureStyle = canvas.effectiveTextureStyle(pass.textureStyle, 0);
  s.blendMode = canvas.effectiveBlendMode(pass.blend);
  if (pass.blendBehavior == ENABLE_ENABLE)
    s.blending = true;
  else if (pass.blendBehavior == ENABLE_DEFAULT)
    s.blending = !(textureIsOpaque(pass.texture) && color.a >= 1.0f && opaque &&
                   !blendAlwaysBlends(s.blendMode));
  else
    s.blending = false;
  s.lit = pass.lit;
  s.cull = pass.cull;
  s.alphaTest = pass.alphaTest;
  s.alphaFunction = pass.alphaFunction;
  s.alphaReference = pass.alphaReference;
  s.twoD = canvas.is2D();

  if (m_vertexCount != 0) {
    const State &b = m_state;
    if (uint32_t(m_vertexCount) + n > m_capacity || s.texture != b.texture ||
        s.blendMode != b.blendMode || s.blending != b.blending || s.depthWrite != b.depthWrite ||
        s.depthTest != b.depthTest || s.depthFunction != b.depthFunction ||
        s.textureStyle != b.textureStyle || s.alphaTest != b.alphaTest ||
        s.alphaFunction != b.alphaFunction || s.alphaReference != b.alphaReference ||
        s.lit != b.lit || s.cull != b.cull || s.twoD != (m_twoD != 0))
      flush(canvas);
  }
  if (m_vertexCount == 0) {
    m_renderPass = pass;
    m_state = s;
    m_twoD = s.twoD ? 1 : 0;
  }
  m_batchColor = color;
  return true;
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
