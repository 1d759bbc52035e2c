// Whole-image filters and queries.

#include "surface/PixelBuffer.h"

#include "math/Color.h"
#include "math/Rectangle.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

void PixelBuffer::premultiplyAlpha() {
  for (uint32_t y = 0; y < m_height; ++y)
    for (uint32_t x = 0; x < m_width; ++x) {
      uint8_t r, g, b, a;
      getPixel(x, y, r, g, b, a);
      setPixel(x, y, uint8_t(r * a / 255), uint8_t(g * a / 255), uint8_t(b * a / 255), a);
    }
}

bool PixelBuffer::isOpaque() const {
  if (!hasAlpha(m_format))
    return true;
  uint8_t mr, mg, mb, ma;
  channelMaximums(m_format, mr, mg, mb, ma);
  for (uint32_t y = 0; y < m_height; ++y)
    for (uint32_t x = 0; x < m_width; ++x) {
      uint8_t r, g, b, a;
      getPixel(x, y, r, g, b, a);
      if (a < ma)
        return false;
    }
  return true;
}

bool PixelBuffer::opaqueBounds(math::Rectangle &out) const {
  if (!isValid())
    return false;
  uint32_t minX = m_width, minY = m_height, maxX = 0, maxY = 0;
  bool found = false;
  for (uint32_t y = 0; y < m_height; ++y)
    for (uint32_t x = 0; x < m_width; ++x) {
      uint8_t r, g, b, a;
      getPixel(x, y, r, g, b, a);
      if (!a)
        continue;
      found = true;
      minX = std::min(minX, x);
      minY = std::min(minY, y);
      maxX = std::max(maxX, x);
      maxY = std::max(maxY, y);
    }
  if (!found)
    return false;
  out.set(float(minX), float(minY), float(maxX - minX + 1), float(maxY - minY + 1));
  return true;
}

void PixelBuffer::bleedTransparentPixels() {
  const uint32_t w = m_width, h = m_height;
  std::vector<bool> marked(size_t(w) * h);
  bool any = false;
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) {
      uint8_t r, g, b, a;
      getPixel(x, y, r, g, b, a);
      if (!a)
        marked[size_t(y) * w + x] = any = true;
    }
  if (!any)
    return;
  static const int offsets[9][2] = {{-1, 1}, {0, 1},   {1, 1},  {-1, 0}, {0, 0},
                                    {1, 0},  {-1, -1}, {0, -1}, {1, -1}};
  for (uint32_t x = 0; x < w; ++x)
    for (uint32_t y = 0; y < h; ++y) {
      if (!marked[size_t(y) * w + x])
        continue;
      uint32_t sum[3] = {0, 0, 0}, count = 0;
      for (const auto &o : offsets) {
        const int nx = int(x) + o[0], ny = int(y) + o[1];
        if (nx < 0 || ny < 0 || nx >= int(w) || ny >= int(h))
          continue;
        uint8_t r, g, b, a;
        getPixel(uint32_t(nx), uint32_t(ny), r, g, b, a);
        if (!a)
          continue;
        sum[0] += r;
        sum[1] += g;
        sum[2] += b;
        ++count;
      }
      if (count)
        setPixel(x, y, uint8_t(sum[0] / count), uint8_t(sum[1] / count), uint8_t(sum[2] / count),
                 0);
    }
}

void PixelBuffer::adjustHSV(float hueOffset, float saturationOffset, float valueOffset) {
  for (uint32_t y = 0; y < m_height; ++y)
    for (uint32_t x = 0; x < m_width; ++x) {
      uint8_t r, g, b, a;
      getPixel(x, y, r, g, b, a);
      float h, s, v;
      math::rgbToHsv(r / 255.0f, g / 255.0f, b / 255.0f, h, s, v);
      h = std::fmod(h + hueOffset, 360.0f);
      if (h < 0)
        h += 360.0f;
      s = std::clamp(s + saturationOffset, 0.0f, 1.0f);
      v = std::clamp(v + valueOffset, 0.0f, 1.0f);
      float fr, fg, fb;
      math::hsvToRgb(h, s, v, fr, fg, fb);
      setPixel(x, y, uint8_t(255.0f * fr), uint8_t(255.0f * fg), uint8_t(255.0f * fb), a);
    }
}

SDL_Surface *PixelBuffer::toSDLSurface() const {
  SDL_Surface *surface =
      SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, int(m_width), int(m_height), 32,
                           0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
  if (!surface)
    return nullptr;
  const bool lock = SDL_MUSTLOCK(surface);
  if (lock)
    SDL_LockSurface(surface);
  const int bytes = surface->format->BytesPerPixel;
  const bool alpha = (surface->flags & SDL_SRCALPHA) != 0;
  for (uint32_t y = 0; y < m_height; ++y) {
    uint8_t *row = static_cast<uint8_t *>(surface->pixels) + y * surface->pitch;
    for (uint32_t x = 0; x < m_width; ++x) {
      uint8_t r, g, b, a;
      getPixel(x, y, r, g, b, a);
      Uint32 value =
          alpha ? SDL_MapRGBA(surface->format, r, g, b, a) : SDL_MapRGB(surface->format, r, g, b);
      uint8_t *p = row + x * bytes;
      for (int k = 0; k < bytes && k < 4; ++k)
        p[k] = uint8_t(value >> (8 * k));
    }
  }
  if (lock)
    SDL_UnlockSurface(surface);
  return surface;
}
