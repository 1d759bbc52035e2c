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
}

void SpriteBatch::clear() {
  m_positions.clear();
  m_colours.clear();
}

void SpriteBatch::draw(video::Canvas &canvas, float pixels) {
  if (isEmpty())
    return;
  if (!m_pass.texture) {
    const Database *database = Database::current();
    if (TextureManager *textures = database ? TextureManager::of(*database) : nullptr)
      m_pass.texture = textures->getTexture(m_textureName);
  }
  const float attenuation[3] = {1.0f, 0.0f, 0.0f};
  canvas.drawPoints(m_positions.data(), int(size()), 2, m_colours.data(), &pixels, 1, 1.0f,
                    attenuation, m_pass);
  clear();
}
