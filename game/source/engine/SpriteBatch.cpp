#include "engine/SpriteBatch.h"

#include "file/Database.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"

SpriteBatch::SpriteBatch(Symbol texture) : m_textureName(texture) { m_pass.lit = false; }

void SpriteBatch::add(const math::Vector2 &position, const math::Color &colour) {
  m_positions.push(position.x);
  m_positions.push(position.y);
  const math::PackedColor packed(colour);
  m_colours.push(packed.r);
  m_colours.push(packed.g);
  m_colours.push(packed.b);
  m_colours.push(packed.a);
  m_scales.push(1.0f);
}

void SpriteBatch::add(const math::Vector2 &position, const math::Color &colour, float scale) {
  add(position, colour);
  m_scales.last() = scale;
  if (scale != 1.0f)
    m_scaled = true;
}

void SpriteBatch::clear() {
  m_positions.clear();
  m_colours.clear();
  m_scales.clear();
  m_scaled = false;
}

void SpriteBatch::reserve(uint32_t sprites) {
  m_positions.reserve(2 * sprites);
  m_colours.reserve(4 * sprites);
  m_scales.reserve(sprites);
  m_sizes.reserve(sprites);
}

void SpriteBatch::draw(video::Canvas &canvas, float pixels) {
  // Looked up at the first call even while empty: a batch whose first
  // sprite comes mid-play would otherwise allocate in that frame.
  if (!m_pass.texture) {
    const Database *database = Database::current();
    if (TextureManager *textures = database ? TextureManager::of(*database) : nullptr)
      m_pass.texture = textures->getTexture(m_textureName);
  }
  if (isEmpty())
    return;
  const float attenuation[3] = {1.0f, 0.0f, 0.0f};
  const float *sizes = &pixels;
  int sizeCount = 1;
  if (m_scaled) {
    m_sizes.clear();
    for (float scale : m_scales)
      m_sizes.push(pixels * scale);
    sizes = m_sizes.data();
    sizeCount = int(m_sizes.size());
  }
  canvas.drawPoints(m_positions.data(), int(size()), 2, m_colours.data(), sizes, sizeCount, 1.0f,
                    attenuation, m_pass);
  clear();
}
