#pragma once
// The in-memory image: width, height, pixel format and bytes, rows one after
// another. Two-byte pixels are stored low byte first; three- and four-byte
// pixels as red, green, blue (, alpha).

#include "container/Vector.h"

#include <cstdint>

class PixelBuffer {
public:
  enum Format { RGB555, RGB565, RGBA5551, RGBA4444, RGB888, RGBA8888, NONE };

  static uint32_t bytesPerPixel(int format);
  static bool hasAlpha(int format);
  static void channelMasks(int format, uint32_t &r, uint32_t &g, uint32_t &b, uint32_t &a);
  static void channelBits(int format, int &r, int &g, int &b, int &a);
  static void channelShifts(int format, int &r, int &g, int &b, int &a);

  PixelBuffer() = default;

  uint32_t width() const { return m_width; }
  uint32_t height() const { return m_height; }
  int format() const { return m_format; }
  uint32_t byteSize() const;
  bool isValid() const { return m_width && m_height && !m_data.isEmpty(); }

  // The bytes are not initialised.
  void create(uint32_t width, uint32_t height, int format);
  // Takes a block of byteSize() bytes allocated with new[].
  void create(uint32_t width, uint32_t height, int format, uint8_t *bytes);
  void clear();
  void destroy();

  uint8_t *data() { return m_data.data(); }
  const uint8_t *data() const { return m_data.data(); }
  uint8_t *rowAddress(uint32_t y) { return data() + y * m_width * bytesPerPixel(m_format); }
  uint8_t *pixelAddress(uint32_t x, uint32_t y) {
    return rowAddress(y) + x * bytesPerPixel(m_format);
  }
  const uint8_t *pixelAddress(uint32_t x, uint32_t y) const {
    return const_cast<PixelBuffer *>(this)->pixelAddress(x, y);
  }

  // 8-bit channels; no bounds checks.
  void getPixel(uint32_t x, uint32_t y, uint8_t &r, uint8_t &g, uint8_t &b, uint8_t &a) const;
  void setPixel(uint32_t x, uint32_t y, uint8_t r, uint8_t g, uint8_t b, uint8_t a);

private:
  uint32_t m_width = 0;
  uint32_t m_height = 0;
  int m_format = NONE;
  container::Vector<uint8_t> m_data;
};
