#pragma once
// The in-memory image: width, height, pixel format and bytes, rows one after
// another. Two-byte pixels are stored low byte first; three- and four-byte
// pixels as red, green, blue (, alpha).

#include "container/Vector.h"
#include "math/Vector2i.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

struct SDL_Surface;
namespace math {
class Color;
class Rectangle;
} // namespace math

class PixelBuffer {
public:
  enum Format { RGB555, RGB565, RGBA5551, RGBA4444, RGB888, RGBA8888, NONE };

  static uint32_t bytesPerPixel(int format);
  static bool hasAlpha(int format);
  static void channelMasks(int format, uint32_t &r, uint32_t &g, uint32_t &b, uint32_t &a);
  static void channelBits(int format, int &r, int &g, int &b, int &a);
  static void channelShifts(int format, int &r, int &g, int &b, int &a);
  // Each channel's largest value in 8 bits: 248 for five bits, 128 for one.
  static void channelMaximums(int format, uint8_t &r, uint8_t &g, uint8_t &b, uint8_t &a);
  // rgba8888 with alpha; else rgb565 for 2 bytes, rgb888 for 3, none otherwise.
  static int formatFor(bool alpha, unsigned bytes);
  static Symbol formatSymbol(int format);
  // NONE for any other symbol.
  static int formatFromSymbol(Symbol name);

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

  // Whole buffer and rectangles; an empty buffer does nothing.
  void fill(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
  void fill(const math::Color &color);
  // Pixels outside the buffer are skipped.
  void fillRect(math::Vector2i origin, math::Vector2i size, uint8_t r, uint8_t g, uint8_t b,
                uint8_t a);
  void fillRect(math::Vector2i origin, math::Vector2i size, const math::Color &color);
  // No clipping: the caller keeps both blocks inside their buffers.
  void copyRect(math::Vector2i from, math::Vector2i to, math::Vector2i size,
                PixelBuffer &destination) const;
  // Bilinear; equal sizes copy exactly.
  void copyScaled(math::Vector2i from, math::Vector2i to, math::Vector2i fromSize,
                  math::Vector2i toSize, PixelBuffer &destination) const;
  // Alpha blend (or additive) into the destination; with wrap, coordinates
  // outside it wrap around, else those pixels are skipped.
  void blend(math::Vector2i from, math::Vector2i to, math::Vector2i size, PixelBuffer &destination,
             bool additive, bool wrap) const;
  // Halves a block by 2 x 2 averaging of raw bytes (rgb888 and rgba8888).
  void downsample(math::Vector2i from, math::Vector2i size, PixelBuffer &destination,
                  math::Vector2i to) const;

  // This buffer becomes a converted copy of the source.
  void convert(const PixelBuffer &source, int format, bool swapRedBlue);
  void copy(const PixelBuffer &source) { convert(source, source.format(), false); }
  // Floyd-Steinberg error diffusion into the destination's new format.
  void ditherTo(PixelBuffer &destination, int format) const;

  void premultiplyAlpha();
  bool isOpaque() const;
  // The smallest rectangle around every pixel with non-zero alpha; false
  // (untouched) when there is none.
  bool opaqueBounds(math::Rectangle &out) const;
  // Fully transparent pixels take the average colour of their visible
  // neighbours, keeping alpha 0, so filtering does not pull in black.
  void bleedTransparentPixels();
  void adjustHSV(float hueOffset, float saturationOffset, float valueOffset);
  // A new 32-bit surface owned by the caller.
  SDL_Surface *toSDLSurface() const;

  // Image files by the name's suffix ("jpg", "jpeg", "png").
  bool loadFromFile(const String &fileName);
  bool saveImageBySuffix(const String &fileName, bool allowConvert);
  static bool readFileInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format);
  bool loadPairFromFiles(const String &colorFileName, const String &alphaFileName);

private:
  uint32_t m_width = 0;
  uint32_t m_height = 0;
  int m_format = NONE;
  container::Vector<uint8_t> m_data;
};
