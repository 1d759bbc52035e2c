#include "surface/PixelBuffer.h"

namespace {

struct Masks {
  uint32_t r, g, b, a;
};

const Masks masks[] = {{0x7C00, 0x03E0, 0x001F, 0},
                       {0xF800, 0x07E0, 0x001F, 0},
                       {0xF800, 0x07C0, 0x003E, 0x0001},
                       {0xF000, 0x0F00, 0x00F0, 0x000F},
                       {0xFF0000, 0xFF00, 0xFF, 0},
                       {0xFF000000u, 0xFF0000, 0xFF00, 0xFF},
                       {0, 0, 0, 0}};

const int NONE_INDEX = 6;

bool validFormat(int format) { return format >= 0 && format <= PixelBuffer::NONE; }

int bitCount(uint32_t mask) {
  int n = 0;
  for (; mask; mask &= mask - 1)
    ++n;
  return n;
}

int lowestBit(uint32_t mask) {
  if (!mask)
    return 0;
  int n = 0;
  while (!(mask & 1)) {
    mask >>= 1;
    ++n;
  }
  return n;
}

// Bit counts and shifts, derived once from the masks.
struct Derived {
  int bits[7][4];
  int shifts[7][4];
  Derived() {
    for (int f = 0; f < 7; ++f) {
      const uint32_t m[4] = {masks[f].r, masks[f].g, masks[f].b, masks[f].a};
      for (int c = 0; c < 4; ++c) {
        bits[f][c] = bitCount(m[c]);
        shifts[f][c] = lowestBit(m[c]);
      }
    }
  }
};

const Derived &derived() {
  static const Derived d;
  return d;
}

uint8_t readChannel(uint32_t value, uint32_t mask, int bits, int shift) {
  return uint8_t(((value & mask) >> shift) << (8 - bits));
}

uint32_t writeChannel(uint8_t c, uint32_t mask, int bits, int shift) {
  if (!bits)
    return 0;
  return (uint32_t(c >> (8 - bits)) << shift) & mask;
}

} // namespace

uint32_t PixelBuffer::bytesPerPixel(int format) {
  switch (format) {
  case RGB555:
  case RGB565:
  case RGBA5551:
  case RGBA4444:
    return 2;
  case RGB888:
    return 3;
  case RGBA8888:
    return 4;
  default:
    return 0;
  }
}

bool PixelBuffer::hasAlpha(int format) {
  return format == RGBA5551 || format == RGBA4444 || format == RGBA8888;
}

void PixelBuffer::channelMasks(int format, uint32_t &r, uint32_t &g, uint32_t &b, uint32_t &a) {
  const Masks &m = masks[validFormat(format) ? format : NONE];
  r = m.r;
  g = m.g;
  b = m.b;
  a = m.a;
}

void PixelBuffer::channelBits(int format, int &r, int &g, int &b, int &a) {
  const int *bits = derived().bits[validFormat(format) ? format : NONE];
  r = bits[0];
  g = bits[1];
  b = bits[2];
  a = bits[3];
}

void PixelBuffer::channelShifts(int format, int &r, int &g, int &b, int &a) {
  const int *shifts = derived().shifts[validFormat(format) ? format : NONE];
  r = shifts[0];
  g = shifts[1];
  b = shifts[2];
  a = shifts[3];
}

void PixelBuffer::channelMaximums(int format, uint8_t &r, uint8_t &g, uint8_t &b, uint8_t &a) {
  uint32_t m[4];
  channelMasks(format, m[0], m[1], m[2], m[3]);
  const int f = validFormat(format) ? format : NONE;
  uint8_t out[4];
  for (int c = 0; c < 4; ++c)
    out[c] = readChannel(m[c], m[c], derived().bits[f][c], derived().shifts[f][c]);
  r = out[0];
  g = out[1];
  b = out[2];
  a = out[3];
}

int PixelBuffer::formatFor(bool alpha, unsigned bytes) {
  if (alpha)
    return RGBA8888;
  return bytes == 2 ? RGB565 : bytes == 3 ? RGB888 : NONE;
}

namespace {
const Symbol *formatNames() {
  static const Symbol names[NONE_INDEX] = {
      Symbol::intern(L"rgb555"),   Symbol::intern(L"rgb565"), Symbol::intern(L"rgba5551"),
      Symbol::intern(L"rgba4444"), Symbol::intern(L"rgb888"), Symbol::intern(L"rgba8888")};
  return names;
}
} // namespace

Symbol PixelBuffer::formatSymbol(int format) {
  return format >= 0 && format < NONE ? formatNames()[format] : Symbol::emptySymbol();
}

int PixelBuffer::formatFromSymbol(Symbol name) {
  for (int f = 0; f < NONE; ++f)
    if (formatNames()[f] == name)
      return f;
  return NONE;
}

uint32_t PixelBuffer::byteSize() const {
  if (!m_width || !m_height)
    return 0;
  return m_width * m_height * bytesPerPixel(m_format);
}

void PixelBuffer::create(uint32_t width, uint32_t height, int format) {
  m_width = width;
  m_height = height;
  m_format = validFormat(format) ? format : NONE;
  uint32_t size = byteSize();
  m_data.reserve(size);
  m_data.setSize(size);
}

void PixelBuffer::create(uint32_t width, uint32_t height, int format, uint8_t *bytes) {
  m_width = width;
  m_height = height;
  m_format = validFormat(format) ? format : NONE;
  m_data.adopt(bytes, byteSize());
}

void PixelBuffer::clear() {
  m_data.clear();
  m_width = m_height = 0;
  m_format = NONE;
}

void PixelBuffer::destroy() {
  clear();
  m_data.release();
}

void PixelBuffer::getPixel(uint32_t x, uint32_t y, uint8_t &r, uint8_t &g, uint8_t &b,
                           uint8_t &a) const {
  const uint8_t *p = pixelAddress(x, y);
  switch (m_format) {
  case RGB888:
    r = p[0];
    g = p[1];
    b = p[2];
    a = 255;
    return;
  case RGBA8888:
    r = p[0];
    g = p[1];
    b = p[2];
    a = p[3];
    return;
  case NONE:
    r = g = b = a = 0;
    return;
  default: {
    uint32_t value = uint32_t(p[0]) | (uint32_t(p[1]) << 8);
    const Masks &m = masks[m_format];
    const int *bits = derived().bits[m_format];
    const int *shifts = derived().shifts[m_format];
    r = readChannel(value, m.r, bits[0], shifts[0]);
    g = readChannel(value, m.g, bits[1], shifts[1]);
    b = readChannel(value, m.b, bits[2], shifts[2]);
    a = m.a ? readChannel(value, m.a, bits[3], shifts[3]) : 255;
  }
  }
}

void PixelBuffer::setPixel(uint32_t x, uint32_t y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  uint8_t *p = pixelAddress(x, y);
  switch (m_format) {
  case RGB888:
    p[0] = r;
    p[1] = g;
    p[2] = b;
    return;
  case RGBA8888:
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
    return;
  case NONE:
    return;
  default: {
    const Masks &m = masks[m_format];
    const int *bits = derived().bits[m_format];
    const int *shifts = derived().shifts[m_format];
    uint32_t value =
        writeChannel(r, m.r, bits[0], shifts[0]) | writeChannel(g, m.g, bits[1], shifts[1]) |
        writeChannel(b, m.b, bits[2], shifts[2]) | writeChannel(a, m.a, bits[3], shifts[3]);
    p[0] = uint8_t(value & 0xFF);
    p[1] = uint8_t(value >> 8);
  }
  }
}
