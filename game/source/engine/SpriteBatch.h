#pragma once
// Many small sprites of one texture drawn in one call: filled during a
// drawing pass, drawn as point sprites, then emptied. Sprites are of one
// size unless some are given a scale of their own. Kept from frame to
// frame, so filling allocates only when a batch outgrows its largest size
// so far.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "video/RenderPass.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Texture;
namespace video {
class Canvas;
}

class SpriteBatch {
public:
  // The texture is looked up by name when the batch first draws.
  explicit SpriteBatch(Symbol texture);
  SpriteBatch(const SpriteBatch &) = delete;
  SpriteBatch &operator=(const SpriteBatch &) = delete;

  void add(const math::Vector2 &position, const math::Color &colour);
  // A sprite the batch's size times the scale.
  void add(const math::Vector2 &position, const math::Color &colour, float scale);
  uint32_t size() const { return m_colours.size() / 4; }
  bool isEmpty() const { return m_colours.isEmpty(); }
  // Every sprite at once, the given pixels wide; then the batch is empty.
  // An empty batch draws nothing.
  void draw(video::Canvas &canvas, float pixels);
  void clear();
  // Room for that many sprites, so that filling up to it allocates nothing.
  void reserve(uint32_t sprites);

  Symbol textureName() const { return m_textureName; }
  // Null until the first draw finds the texture.
  Texture *texture() const { return m_pass.texture; }
  video::RenderPass &pass() { return m_pass; }
  const float *positions() const { return m_positions.data(); }
  const uint8_t *colours() const { return m_colours.data(); }

private:
  Symbol m_textureName;
  container::Vector<float> m_positions;
  container::Vector<uint8_t> m_colours;
  // One per sprite; the sizes are worked out from them when drawn.
  container::Vector<float> m_scales;
  container::Vector<float> m_sizes;
  bool m_scaled = false;
  video::RenderPass m_pass;
};
