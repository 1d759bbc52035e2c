#pragma once
// The canvas's batch of textured, coloured quads, drawn with one indexed draw
// call when the render state has to change, when it is full, or when any
// other canvas operation flushes. It records the pass and the effective state
// of its first quad; the draw applies them.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/RenderPass.h"

#include <cstdint>

class Texture;

namespace video {

class Canvas;

class QuadBatch {
public:
  // The effective values recorded when the first quad was queued.
  struct State {
    Texture *texture = nullptr;
    int blendMode = BLEND_NORMAL;
    uint32_t textureStyle = textureStyle::NORMAL;
    bool lit = false;
    bool cull = false;
    bool depthTest = false;
    bool depthWrite = false;
    int depthFunction = COMPARE_LESS_OR_EQUAL;
    bool alphaTest = false;
    int alphaFunction = COMPARE_ALWAYS;
    float alphaReference = 0.0f;
    bool blending = false;
    bool twoD = false;
  };

  explicit QuadBatch(uint16_t capacity);
  QuadBatch(const QuadBatch &) = delete;
  QuadBatch &operator=(const QuadBatch &) = delete;

  // Whether a quad of n vertices joins the batch, flushing first when its
  // effective state differs; false when it must not be drawn at all (n 0, or
  // its colour under the colour stack fully transparent). Opaque: no corner
  // colour has alpha below 1.
  bool prepare(Canvas &canvas, uint16_t n, bool opaque, const RenderPass &pass);
  // Empties the arrays and sets the uniform-colour flag.
  void reset();
  // Hands a non-empty batch to the canvas's draw, then empties it; nothing
  // while a flush runs.
  void flush(Canvas &canvas);
  void addVertex(const math::Vector3 &position, const math::Color &color,
                 const math::Vector2 &texCoord);
  void addIndex(uint16_t index) { m_indices.push(index); }

  uint16_t vertexCount() const { return m_vertexCount; }
  uint16_t capacity() const { return m_capacity; }
  uint32_t indexCount() const { return m_indices.size(); }
  bool isEmpty() const { return m_vertexCount == 0; }
  bool uniformColor() const { return m_uniformColor != 0; }
  const math::Color &firstColor() const { return m_firstColor; }
  bool twoD() const { return m_twoD != 0; }
  void setTwoD(bool twoD) { m_twoD = twoD ? 1 : 0; }
  const float *positions() const { return m_positions.data(); }
  const uint8_t *colors() const { return m_colors.data(); }
  const float *texCoords() const { return m_texCoords.data(); }
  const uint16_t *indices() const { return m_indices.data(); }

  RenderPass &renderPass() { return m_renderPass; }
  State &state() { return m_state; }
  const State &state() const { return m_state; }
  const math::Color &batchColor() const { return m_batchColor; }
  void setBatchColor(const math::Color &color) { m_batchColor = color; }

private:
  void clearArrays();

  uint16_t m_vertexCount = 0;
  uint16_t m_capacity;
  uint8_t m_uniformColor = 1;
  math::Color m_firstColor;
  uint8_t m_twoD = 0;
  container::Vector<float> m_positions;
  container::Vector<uint8_t> m_colors;
  container::Vector<float> m_texCoords;
  container::Vector<uint16_t> m_indices;
  uint8_t m_flushing = 0;
  RenderPass m_renderPass;
  State m_state;
  math::Color m_batchColor;
};

} // namespace video
