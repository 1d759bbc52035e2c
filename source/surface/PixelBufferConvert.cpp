// Format conversion, plain and dithered.

#include "surface/PixelBuffer.h"

#include <algorithm>
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
  if (&destination == this) {
    PixelBuffer source;
    source.copy(*this);
    source.ditherTo(destination, format);
    return;
  }
  const uint32_t w = m_width, h = m_height;
  uint32_t masks[4];
  int bits[4], shifts[4];
  channelMasks(format, masks[0], masks[1], masks[2], masks[3]);
  channelBits(format, bits[0], bits[1], bits[2], bits[3]);
  channelShifts(format, shifts[0], shifts[1], shifts[2], shifts[3]);
  float levels[4];
  for (int k = 0; k < 4; ++k)
    levels[k] = float(masks[k] >> shifts[k]);
  destination.create(w, h, format);

  // Two rows of float RGBA: the row being quantised and the one below it,
  // each loaded with its source values before any error reaches it.
  std::vector<float> rows(size_t(w) * 8);
  float *row = rows.data(), *below = row + size_t(w) * 4;
  auto load = [&](uint32_t y, float *out) {
    for (uint32_t x = 0; x < w; ++x) {
      uint8_t c[4];
      getPixel(x, y, c[0], c[1], c[2], c[3]);
      for (int k = 0; k < 4; ++k)
        out[4 * x + k] = c[k];
    }
  };
  if (h)
    load(0, row);
  for (uint32_t y = 0; y < h; ++y) {
    const bool last = y + 1 == h;
    if (!last)
      load(y + 1, below);
    for (uint32_t x = 0; x < w; ++x)
      for (int k = 0; k < 4; ++k) {
        float &c = row[4 * x + k];
        const float scaled = c / 255.0f * levels[k];
        // floor without a library call; halves go down.
        int q = int(scaled);
        if (float(q) > scaled)
          --q;
        if (scaled - float(q) > 0.5f)
          ++q;
        const float quantised = float(q << (8 - bits[k]));
        const float error = c - quantised;
        c = quantised;
        if (x + 1 < w)
          row[4 * (x + 1) + k] += error * 0.4375f;
        if (last)
          continue;
        if (x > 0)
          below[4 * (x - 1) + k] += error * 0.1875f;
        below[4 * x + k] += error * 0.3125f;
        if (x + 1 < w)
          below[4 * (x + 1) + k] += error * 0.0625f;
      }
    for (uint32_t x = 0; x < w; ++x) {
      uint8_t c[4];
      for (int k = 0; k < 4; ++k)
        c[k] = uint8_t(std::clamp(row[4 * x + k], 0.0f, 255.0f));
      destination.setPixel(x, y, c[0], c[1], c[2], c[3]);
    }
    std::swap(row, below);
  }
}
