// Format conversion, plain and dithered.

#include "surface/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

void PixelBuffer::convert(const PixelBuffer &source, int format, bool swapRedBlue) {
  if (&source == this) {
    PixelBuffer copy;
    copy.copy(source);
    convert(copy, format, swapRedBlue);
    return;
  }
  create(source.width(), source.height(), format);
  const uint32_t count = m_width * m_height;
  if (!byteSize())
    return;
  const int sf = source.format();
  if (sf == m_format) {
    memcpy(data(), source.data(), byteSize());
    if (swapRedBlue)
      for (uint32_t y = 0; y < m_height; ++y)
        for (uint32_t x = 0; x < m_width; ++x) {
          uint8_t r, g, b, a;
          getPixel(x, y, r, g, b, a);
          setPixel(x, y, b, g, r, a);
        }
    return;
  }
  if ((sf == RGBA8888 && m_format == RGB888) || (sf == RGB888 && m_format == RGBA8888)) {
    const uint32_t sb = bytesPerPixel(sf), db = bytesPerPixel(m_format);
    const uint8_t *s = source.data();
    uint8_t *d = data();
    const int first = swapRedBlue ? 2 : 0, third = swapRedBlue ? 0 : 2;
    for (uint32_t i = 0; i < count; ++i, s += sb, d += db) {
      d[0] = s[first];
      d[1] = s[1];
      d[2] = s[third];
      if (db == 4)
        d[3] = 255;
    }
    return;
  }
  for (uint32_t y = 0; y < m_height; ++y)
    for (uint32_t x = 0; x < m_width; ++x) {
      uint8_t r, g, b, a;
      source.getPixel(x, y, r, g, b, a);
      if (swapRedBlue)
        std::swap(r, b);
      setPixel(x, y, r, g, b, a);
    }
}

void PixelBuffer::ditherTo(PixelBuffer &destination, int format) const {
  const uint32_t w = m_width, h = m_height;
  std::vector<float> grid(size_t(w) * h * 4);
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) {
      uint8_t c[4];
      getPixel(x, y, c[0], c[1], c[2], c[3]);
      for (int k = 0; k < 4; ++k)
        grid[(size_t(y) * w + x) * 4 + k] = c[k];
    }

  uint32_t masks[4];
  int bits[4], shifts[4];
  channelMasks(format, masks[0], masks[1], masks[2], masks[3]);
  channelBits(format, bits[0], bits[1], bits[2], bits[3]);
  channelShifts(format, shifts[0], shifts[1], shifts[2], shifts[3]);
  float levels[4];
  for (int k = 0; k < 4; ++k)
    levels[k] = float(masks[k] >> shifts[k]);

  auto spread = [&](uint32_t x, uint32_t y, int k, float amount) {
    if (x < w && y < h)
      grid[(size_t(y) * w + x) * 4 + k] += amount;
  };
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x)
      for (int k = 0; k < 4; ++k) {
        float &c = grid[(size_t(y) * w + x) * 4 + k];
        const float scaled = c / 255.0f * levels[k];
        float q = std::floor(scaled);
        if (scaled - q > 0.5f)
          q += 1.0f;
        const float quantised = float(int(q) << (8 - bits[k]));
        const float error = c - quantised;
        c = quantised;
        spread(x + 1, y, k, error * 0.4375f);
        if (x > 0)
          spread(x - 1, y + 1, k, error * 0.1875f);
        spread(x, y + 1, k, error * 0.3125f);
        spread(x + 1, y + 1, k, error * 0.0625f);
      }

  destination.create(w, h, format);
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) {
      uint8_t c[4];
      for (int k = 0; k < 4; ++k)
        c[k] = uint8_t(std::clamp(grid[(size_t(y) * w + x) * 4 + k], 0.0f, 255.0f));
      destination.setPixel(x, y, c[0], c[1], c[2], c[3]);
    }
}
