#include "texture/TexturePool.h"

#include "file/Database.h"
#include "math/Color.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <algorithm>
#include <cmath>

namespace {

bool imageState(TextureSimple &texture) {
  return texture.holdsPixels() || (texture.inMonolith && (texture.address.format == TEXTURE_PNG ||
                                                          texture.address.format == TEXTURE_JPEG));
}

} // namespace

TexturePool::TexturePool(Database *database, const String &name)
    : m_database(database), m_name(name) {}

TextureSimple *TexturePool::acquire(uint32_t size, uint32_t pixelFormat, bool withPixels) {
  for (uint32_t i = 0; i < m_free.size(); ++i) {
    TextureSimple *texture = m_free[i];
    if (texture->listedSize == size && texture->pixelFormat == pixelFormat &&
        imageState(*texture) == withPixels) {
      m_free.removeAt(i);
      m_inUse.push(texture);
      return texture;
    }
  }
  Symbol name = Symbol::intern(m_name + String::toString(m_inUse.size() + m_free.size()));
  PixelBuffer *pixels = nullptr;
  if (withPixels) {
    pixels = new PixelBuffer;
    pixels->create(size, size, int(pixelFormat));
  }
  auto *texture = new TextureSimple(m_database, name, pixels);
  texture->listedSize = size;
  texture->pixelFormat = pixelFormat;
  texture->opaque = !PixelBuffer::hasAlpha(int(pixelFormat));
  m_inUse.push(texture);
  if (TextureManager *manager = m_database ? TextureManager::of(*m_database) : nullptr)
    manager->addTexture(texture);
  return texture;
}

void TexturePool::release(TextureSimple *texture) {
  int i = m_inUse.indexOf(texture);
  if (i < 0)
    return;
  m_inUse.removeAt(uint32_t(i));
  m_free.push(texture);
}

TextureSimple *TexturePool::makeAdjusted(Symbol source, float hueShift, float saturationShift,
                                         float valueShift, bool premultiply) {
  TextureManager *manager = m_database ? TextureManager::of(*m_database) : nullptr;
  Texture *texture = manager ? manager->getTexture(source) : nullptr;
  TextureSimple *frame = texture ? texture->currentFrame() : nullptr;
  if (!frame)
    return nullptr;
  PixelBuffer &from = *frame->pixels();
  TextureSimple *adjusted = acquire(frame->listedSize, frame->pixelFormat, true);
  PixelBuffer &to = *adjusted->pixels();
  if (hueShift == 0.0f && saturationShift == 0.0f && valueShift == 0.0f && !premultiply) {
    to.convert(from, to.format(), false);
  } else {
    to.create(from.width(), from.height(), from.format());
    const bool alpha = PixelBuffer::bytesPerPixel(from.format()) == 4;
    // Through the pixel rules, so two-byte formats are read as pixels, not bytes.
    for (uint32_t y = 0; y < from.height(); ++y)
      for (uint32_t x = 0; x < from.width(); ++x) {
        uint8_t r, g, b, a;
        from.getPixel(x, y, r, g, b, a);
        const float fa = alpha ? a / 255.0f : 1.0f;
        float h, s, v;
        math::rgbToHsv(r / 255.0f, g / 255.0f, b / 255.0f, h, s, v);
        h = std::fmod(h + hueShift, 360.0f);
        if (h < 0)
          h += 360.0f;
        s = std::clamp(s + saturationShift, 0.0f, 1.0f);
        v = std::clamp(v + valueShift, 0.0f, 1.0f);
        float fr, fg, fb;
        math::hsvToRgb(h, s, v, fr, fg, fb);
        if (premultiply) {
          fr *= fa;
          fg *= fa;
          fb *= fa;
        }
        to.setPixel(x, y, uint8_t(fr * 255.0f), uint8_t(fg * 255.0f), uint8_t(fb * 255.0f), a);
      }
  }
  adjusted->mipmap = frame->mipmap;
  adjusted->wrap = frame->wrap;
  adjusted->unload();
  return adjusted;
}
