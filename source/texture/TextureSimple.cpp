#include "texture/TextureSimple.h"

#include "file/BinaryPrimitives.h"
#include "file/FileWrapper.h"
#include "surface/JPEGLoader.h"
#include "surface/PNGLoader.h"
#include "surface/Reports.h"
#include "texture/TextureManager.h"

bool isPowerOfTwo(uint32_t n) { return n && !(n & (n - 1)); }

void makeMagentaPlaceholder(uint32_t listedSize, PixelBuffer &out) {
  const uint32_t side = isPowerOfTwo(listedSize) ? listedSize : 32;
  out.create(side, side, PixelBuffer::RGB888);
  out.fill(255, 0, 255, 255);
}

void TextureSimple::MonolithAddress::read(file::ByteProducer &in) {
  file::read(colorOffset, in);
  file::read(colorSize, in);
  file::read(alphaOffset, in);
  file::read(alphaSize, in);
  unsigned char f = 0;
  file::read(f, in);
  format = f;
}

void TextureSimple::MonolithAddress::write(file::ByteReceiver &out) const {
  file::write(colorOffset, out);
  file::write(colorSize, out);
  file::write(alphaOffset, out);
  file::write(alphaSize, out);
  file::write((unsigned char)format, out);
}

TextureSimple::TextureSimple(Database *database, Symbol name, PixelBuffer *pixels)
    : Texture(database), m_pixels(pixels) {
  setName(name);
  if (pixels) {
    pixelFormat = uint32_t(pixels->format());
    listedSize = pixels->width();
    opaque = !PixelBuffer::hasAlpha(pixels->format());
  }
  inMonolith = false;
}

TextureSimple::~TextureSimple() {
  unload();
  delete m_pixels;
}

void TextureSimple::readSettings(file::ByteProducer &in) {
  unsigned short size = 0;
  file::read(size, in);
  listedSize = size;
  file::read(mipmap, in);
  file::read(wrap, in);
  file::read(inMonolith, in);
  file::read(opaque, in);
  unsigned char f = PixelBuffer::NONE;
  file::read(f, in);
  pixelFormat = f;
}

void TextureSimple::writeSettings(file::ByteReceiver &out) const {
  file::write((unsigned short)listedSize, out);
  file::write(mipmap, out);
  file::write(wrap, out);
  file::write(inMonolith, out);
  file::write(opaque, out);
  file::write((unsigned char)pixelFormat, out);
}

void TextureSimple::read(file::ByteProducer &in) {
  Texture::read(in);
  readSettings(in);
  address.read(in);
}

void TextureSimple::write(file::ByteReceiver &out) const {
  Texture::write(out);
  writeSettings(out);
  address.write(out);
}

uint32_t TextureSimple::glName() {
  if (!m_glName)
    load();
  return m_glName;
}

PixelBuffer *TextureSimple::pixels() {
  if (!m_pixels) {
    m_pixels = new PixelBuffer;
    loadPixelBuffer(*m_pixels);
  }
  return m_pixels;
}

void TextureSimple::setPixels(PixelBuffer *pixels) {
  if (pixels == m_pixels)
    return;
  delete m_pixels;
  m_pixels = pixels;
  if (pixels) {
    pixelFormat = uint32_t(pixels->format());
    listedSize = pixels->width();
  }
}

math::PackedColor TextureSimple::colorAt(uint32_t x, uint32_t y) {
  PixelBuffer *image = pixels();
  if (!image->isValid())
    return math::PackedColor();
  const uint32_t side = listedSize ? listedSize : image->width();
  x = x % side % image->width();
  y = y % side % image->height();
  math::PackedColor c;
  image->getPixel(x, y, c.r, c.g, c.b, c.a);
  return c;
}

void TextureSimple::loadPixelBuffer(PixelBuffer &out) {
  if (address.format != TEXTURE_PNG && address.format != TEXTURE_JPEG)
    return;
  TextureManager *owner = manager();
  FILE *file = owner ? owner->monolith().file() : nullptr;
  bool decoded = false;
  if (file && address.format == TEXTURE_PNG) {
    decoded =
        fseek(file, long(address.colorOffset), SEEK_SET) == 0 && PNGLoader::loadPNG(file, out);
  } else if (file && address.alphaSize == 0) {
    decoded =
        fseek(file, long(address.colorOffset), SEEK_SET) == 0 && JPEGLoader::loadJPEG(file, out);
  } else if (file) {
    decoded = JPEGLoader::loadJPEGPair(file, address.colorOffset, address.alphaOffset, out);
  }
  const String label = name().toString();
  if (!decoded) {
    renderError(String(L"Texture ") + label + L" image could not be decoded.");
    makeMagentaPlaceholder(listedSize, out);
    return;
  }
  const bool square = out.width() == out.height();
  if (!square)
    renderError(String(L"Texture ") + label + L" is not square.");
  const bool power = isPowerOfTwo(out.width());
  if (!power)
    renderError(String(L"Texture ") + label + L" size is not a power of two.");
  if (listedSize && listedSize != out.width())
    renderError(String::format(L"Listed size (%d) for texture %S does not match loaded size: %d",
                               int(listedSize), label.c_str(), int(out.width())));
  if (!square || !power) {
    if (!isPowerOfTwo(listedSize))
      listedSize = 32;
    makeMagentaPlaceholder(listedSize, out);
  }
}
