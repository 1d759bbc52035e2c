#include "billboard/SplitImage.h"

#include "billboard/Billboard2D.h"
#include "billboard/Billboard2DManager.h"
#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/Database.h"
#include "surface/PixelBuffer.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <algorithm>

SplitImage::SplitImage(const String &fileName, const String &prefix, unsigned int tileSize) {
  PixelBuffer picture;
  if (!picture.loadFromFile(fileName)) {
    framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"SplitImage",
                             String(L"Picture did not load: ") + fileName);
    return;
  }
  build(picture, prefix, tileSize);
}

SplitImage::SplitImage(const PixelBuffer &picture, const String &prefix, unsigned int tileSize) {
  build(picture, prefix, tileSize);
}

SplitImage::~SplitImage() { release(); }

void SplitImage::build(const PixelBuffer &picture, const String &prefix, unsigned int tileSize) {
  release();
  if (!picture.isValid() || tileSize == 0)
    return;
  m_database = Database::current();
  TextureManager *textures = m_database ? TextureManager::of(*m_database) : nullptr;
  const int T = int(tileSize);
  const int width = int(picture.width()), height = int(picture.height());
  m_size = math::Vector2(float(width), float(height));
  for (int x = 0; x < width; x += T) {
    for (int y = 0; y < height; y += T) {
      int w = std::min(T, width - x), h = std::min(T, height - y);
      auto *pixels = new PixelBuffer;
      pixels->create(tileSize, tileSize, picture.format());
      pixels->fill(0, 0, 0, 0);
      picture.copyRect(math::Vector2i(x, y), math::Vector2i(0, 0), math::Vector2i(w, h), *pixels);

      Symbol name = Symbol::intern(prefix + String::format(L"%02u", m_tiles.size()));
      auto *texture = new TextureSimple(m_database, name, pixels);
      texture->wrap = false;
      if (textures)
        textures->addTexture(texture);

      auto *tile = new Billboard2D(texture);
      tile->centered = false;
      tile->storedOrigin = math::Vector2(0.0f, float(T));
      tile->size = math::Vector2(float(w), float(h));
      tile->setSubRect(0, w, 0, h);
      tile->position =
          math::Vector2(float(x) - float(width) / 2.0f, float(height) / 2.0f - float(y + h - T));
      m_tiles.push(tile);
    }
  }
}

void SplitImage::release() {
  Billboard2DManager *billboards = m_database ? Billboard2DManager::of(*m_database) : nullptr;
  TextureManager *textures = m_database ? TextureManager::of(*m_database) : nullptr;
  while (!m_tiles.isEmpty()) {
    Billboard2D *tile = m_tiles.pop();
    Texture *texture = tile->texture();
    Symbol name = texture ? texture->name() : Symbol::emptySymbol();
    // A prototype made under the tile's name would keep the texture.
    if (billboards && billboards->contains(name))
      billboards->remove(name);
    delete tile;
    if (textures && textures->find(name) == texture)
      textures->removeTexture(name);
    else
      delete texture;
  }
  m_size = math::Vector2();
}

void SplitImage::render(video::Canvas &canvas) {
  for (Billboard2D *tile : m_tiles)
    tile->render(canvas);
}
