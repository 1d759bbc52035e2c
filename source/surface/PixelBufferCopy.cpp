// Fills, rectangle copies, scaling, blending and halving.

#include "surface/PixelBuffer.h"

#include "math/Color.h"

#include <algorithm>
#include <cstring>

namespace {

// Wraps a coordinate into [0, size): a negative one counts back from the end.
int wrapInto(int v, int size) {
  if (v < 0)
    v = size - ((-v) % size);
  if (v >= size)
    v %= size;
  return v;
}

} // namespace

void PixelBuffer::fill(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  if (!isValid())
    return;
  bool wide = m_format == RGB888 || m_format == RGBA8888;
  if ((r == 0 && g == 0 && b == 0 && a == 0) || (wide && r == g && g == b && b == a)) {
    memset(data(), r, byteSize());
    return;
  }
  for (uint32_t y = 0; y < m_height; ++y)
    for (uint32_t x = 0; x < m_width; ++x)
      setPixel(x, y, r, g, b, a);
}

void PixelBuffer::fill(const math::Color &color) {
  math::PackedColor c(color);
  fill(c.r, c.g, c.b, c.a);
}

void PixelBuffer::fillRect(math::Vector2i origin, math::Vector2i size, uint8_t r, uint8_t g,
                           uint8_t b, uint8_t a) {
  if (origin.x == 0 && origin.y == 0 && uint32_t(size.x) == m_width &&
      uint32_t(size.y) == m_height) {
    fill(r, g, b, a);
    return;
  }
  for (int y = std::max(origin.y, 0); y < origin.y + size.y && y < int(m_height); ++y)
    for (int x = std::max(origin.x, 0); x < origin.x + size.x && x < int(m_width); ++x)
      setPixel(uint32_t(x), uint32_t(y), r, g, b, a);
}

void PixelBuffer::fillRect(math::Vector2i origin, math::Vector2i size, const math::Color &color) {
  math::PackedColor c(color);
  fillRect(origin, size, c.r, c.g, c.b, c.a);
}

void PixelBuffer::copyRect(math::Vector2i from, math::Vector2i to, math::Vector2i size,
                           PixelBuffer &destination) const {
  if (size.x <= 0 || size.y <= 0)
    return;
  const int sf = m_format, df = destination.format();
  for (int j = 0; j < size.y; ++j) {
    const uint8_t *s = pixelAddress(uint32_t(from.x), uint32_t(from.y + j));
    uint8_t *d = destination.pixelAddress(uint32_t(to.x), uint32_t(to.y + j));
    if (sf == df) {
      memcpy(d, s, size_t(size.x) * bytesPerPixel(sf));
    } else if (sf == RGBA8888 && df == RGB888) {
      for (int i = 0; i < size.x; ++i, s += 4, d += 3)
        memcpy(d, s, 3);
    } else if (sf == RGB888 && df == RGBA8888) {
      for (int i = 0; i < size.x; ++i, s += 3, d += 4) {
        memcpy(d, s, 3);
        d[3] = 255;
      }
    } else {
      for (int i = 0; i < size.x; ++i) {
        uint8_t r, g, b, a;
        getPixel(uint32_t(from.x + i), uint32_t(from.y + j), r, g, b, a);
        destination.setPixel(uint32_t(to.x + i), uint32_t(to.y + j), r, g, b, a);
      }
    }
  }
}

void PixelBuffer::copyScaled(math::Vector2i from, math::Vector2i to, math::Vector2i fromSize,
                             math::Vector2i toSize, PixelBuffer &destination) const {
  if (fromSize.x == toSize.x && fromSize.y == toSize.y) {
    copyRect(from, to, fromSize, destination);
    return;
  }
  if (toSize.x <= 0 || toSize.y <= 0 || !isValid())
    return;
  const float sx = float(fromSize.x) / float(toSize.x);
  const float sy = float(fromSize.y) / float(toSize.y);
  for (int j = 0; j < toSize.y; ++j) {
    const float v = float(from.y) + (float(j) + 0.5f) * sy;
    const uint32_t y0 = std::min(uint32_t(v), m_height - 1);
    const float fy = v - float(y0);
    const uint32_t dy = y0 == m_height - 1 ? 0 : 1;
    for (int i = 0; i < toSize.x; ++i) {
      const float u = float(from.x) + (float(i) + 0.5f) * sx;
      const uint32_t x0 = std::min(uint32_t(u), m_width - 1);
      const float fx = u - float(x0);
      const uint32_t dx = x0 == m_width - 1 ? 0 : 1;
      uint8_t c[4][4];
      getPixel(x0, y0, c[0][0], c[0][1], c[0][2], c[0][3]);
      getPixel(x0, y0 + dy, c[1][0], c[1][1], c[1][2], c[1][3]);
      getPixel(x0 + dx, y0, c[2][0], c[2][1], c[2][2], c[2][3]);
      getPixel(x0 + dx, y0 + dy, c[3][0], c[3][1], c[3][2], c[3][3]);
      uint8_t out[4];
      for (int k = 0; k < 4; ++k)
        out[k] = uint8_t((1 - fx) * (1 - fy) * c[0][k] + (1 - fx) * fy * c[1][k] +
                         fx * (1 - fy) * c[2][k] + fx * fy * c[3][k]);
      destination.setPixel(uint32_t(to.x + i), uint32_t(to.y + j), out[0], out[1], out[2], out[3]);
    }
  }
}

void PixelBuffer::blend(math::Vector2i from, math::Vector2i to, math::Vector2i size,
                        PixelBuffer &destination, bool additive, bool wrap) const {
  const int dw = int(destination.width()), dh = int(destination.height());
  if (!dw || !dh)
    return;
  for (int j = 0; j < size.y; ++j) {
    for (int i = 0; i < size.x; ++i) {
      int x = to.x + i, y = to.y + j;
      if (x < 0 || x >= dw || y < 0 || y >= dh) {
        if (!wrap)
          continue;
        x = wrapInto(x, dw);
        y = wrapInto(y, dh);
      }
      uint8_t s[4], d[4];
      getPixel(uint32_t(from.x + i), uint32_t(from.y + j), s[0], s[1], s[2], s[3]);
      destination.getPixel(uint32_t(x), uint32_t(y), d[0], d[1], d[2], d[3]);
      const float alpha = float(s[3]) / 255.0f;
      const float k = additive ? 1.0f : 1.0f - alpha;
      for (int c = 0; c < 4; ++c)
        d[c] = uint8_t(std::min(255.0f, k * float(d[c]) + alpha * float(s[c])));
      destination.setPixel(uint32_t(x), uint32_t(y), d[0], d[1], d[2], d[3]);
    }
  }
}

void PixelBuffer::downsample(math::Vector2i from, math::Vector2i size, PixelBuffer &destination,
                             math::Vector2i to) const {
  const uint32_t sb = bytesPerPixel(m_format), db = bytesPerPixel(destination.format());
  if (sb < 3 || db < 3)
    return;
  for (int y = 0; y + 1 < size.y; y += 2) {
    for (int x = 0; x + 1 < size.x; x += 2) {
      const uint8_t *p[4] = {pixelAddress(uint32_t(from.x + x), uint32_t(from.y + y)),
                             pixelAddress(uint32_t(from.x + x + 1), uint32_t(from.y + y)),
                             pixelAddress(uint32_t(from.x + x), uint32_t(from.y + y + 1)),
                             pixelAddress(uint32_t(from.x + x + 1), uint32_t(from.y + y + 1))};
      uint8_t *d = destination.pixelAddress(uint32_t(to.x + x / 2), uint32_t(to.y + y / 2));
      for (int c = 0; c < 3; ++c)
        d[c] = uint8_t((p[0][c] + p[1][c] + p[2][c] + p[3][c]) >> 2);
      if (db == 4)
        d[3] = sb == 4 ? uint8_t((p[0][3] + p[1][3] + p[2][3] + p[3][3]) >> 2) : 255;
    }
  }
}
