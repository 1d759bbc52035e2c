#include "surface/STBLoader.h"

#include "container/Vector.h"
#include "error/Log.h"
#include "file/Path.h"
#include "surface/PixelBuffer.h"
#include "surface/Reports.h"
#include "surface/SaveWhole.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <cstring>

namespace {

String failureReason() {
  const char *reason = stbi_failure_reason();
  return String(reason ? reason : "unknown");
}

void appendBytes(void *context, void *data, int size) {
  auto *out = static_cast<container::Vector<unsigned char> *>(context);
  for (int i = 0; i < size; ++i)
    out->push(static_cast<unsigned char *>(data)[i]);
}

} // namespace

namespace STBLoader {

int pixelBufferFormat(int numComponents) {
  if (numComponents == 3)
    return PixelBuffer::RGB888;
  if (numComponents == 4)
    return PixelBuffer::RGBA8888;
  RENDER_WARNING(L"pixelBufferFormat",
                 String(L"Image format not supported by PixelBuffer, numComponents:") +
                     String::toString(numComponents));
  return PixelBuffer::NONE;
}

bool readInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format) {
  FILE *file = file::openFile(fileName, String(L"rb"));
  if (!file) {
    RENDER_WARNING(L"readInfo", String(L"STBLoader failed to load file: '") + fileName + L"'");
    return false;
  }
  int w = 0, h = 0, components = 0;
  int ok = stbi_info_from_file(file, &w, &h, &components);
  file::closeFile(file);
  if (!ok) {
    RENDER_WARNING(L"readInfo", String(L"STBLoader failed to read info file: '") + fileName + L"'");
    return false;
  }
  int f = pixelBufferFormat(components);
  if (f == PixelBuffer::NONE)
    return false;
  width = uint32_t(w);
  height = uint32_t(h);
  format = f;
  return true;
}

bool load(FILE *file, PixelBuffer &buffer) {
  int w = 0, h = 0, components = 0;
  unsigned char *pixels = file ? stbi_load_from_file(file, &w, &h, &components, 0) : nullptr;
  if (!pixels) {
    logFormat(L"Failed to load image, reason: %S", failureReason().c_str());
    RENDER_WARNING(L"load", L"STBLoader failed to load from file.");
    return false;
  }
  int format = pixelBufferFormat(components);
  if (format != PixelBuffer::NONE) {
    buffer.create(uint32_t(w), uint32_t(h), format);
    memcpy(buffer.data(), pixels, buffer.byteSize());
  }
  stbi_image_free(pixels);
  return format != PixelBuffer::NONE;
}

bool load(const String &fileName, PixelBuffer &buffer) {
  FILE *file = file::openFile(fileName, String(L"rb"));
  if (!file) {
    RENDER_WARNING(L"load", String(L"STBLoader failed to load file: '") + fileName + L"'");
    return false;
  }
  bool ok = load(file, buffer);
  file::closeFile(file);
  return ok;
}

bool loadPair(FILE *colorFile, uint32_t colorOffset, FILE *alphaFile, uint32_t alphaOffset,
              PixelBuffer &buffer) {
  int cw = 0, ch = 0, cn = 0, aw = 0, ah = 0, an = 0;
  unsigned char *color = nullptr;
  if (colorFile && fseek(colorFile, long(colorOffset), SEEK_SET) == 0)
    color = stbi_load_from_file(colorFile, &cw, &ch, &cn, 3);
  if (!color) {
    logFormat(L"Failed to load color data at offset: %d, reason: %S", int(colorOffset),
              failureReason().c_str());
    return false;
  }
  unsigned char *alpha = nullptr;
  if (alphaFile && fseek(alphaFile, long(alphaOffset), SEEK_SET) == 0)
    alpha = stbi_load_from_file(alphaFile, &aw, &ah, &an, 1);
  if (!alpha) {
    logFormat(L"Failed to load alpha data at offset: %d, reason: %S", int(alphaOffset),
              failureReason().c_str());
    stbi_image_free(color);
    return false;
  }
  bool ok = cw == aw && ch == ah;
  if (!ok) {
    logFormat(L"Color and alpha dimension mismatch, color: (%dx%d), alpha: (%dx%d)", cw, ch, aw,
              ah);
  } else {
    buffer.create(uint32_t(cw), uint32_t(ch), PixelBuffer::RGBA8888);
    uint8_t *d = buffer.data();
    const size_t count = size_t(cw) * size_t(ch);
    for (size_t i = 0; i < count; ++i, d += 4) {
      memcpy(d, color + 3 * i, 3);
      d[3] = alpha[i];
    }
  }
  stbi_image_free(color);
  stbi_image_free(alpha);
  return ok;
}

bool savePNG(const String &fileName, const PixelBuffer &buffer) {
  container::Vector<unsigned char> bytes;
  if (!encodePNG(buffer, bytes)) {
    RENDER_WARNING(L"savePNG", String(L"Failed to save file: '") + fileName + L"'");
    return false;
  }
  if (saveWhole(fileName, bytes.data(), bytes.size()))
    return true;
  RENDER_WARNING(L"savePNG", String(L"Failed to save file: '") + fileName + L"'");
  return false;
}

bool encodeJPEG(const PixelBuffer &buffer, int quality, container::Vector<unsigned char> &out) {
  const int format = buffer.format();
  out.clear();
  if (!buffer.isValid() || (format != PixelBuffer::RGB888 && format != PixelBuffer::RGBA8888))
    return false;
  return stbi_write_jpg_to_func(appendBytes, &out, int(buffer.width()), int(buffer.height()),
                                int(PixelBuffer::bytesPerPixel(format)), buffer.data(),
                                quality) != 0;
}

bool encodePNG(const PixelBuffer &buffer, container::Vector<unsigned char> &out) {
  const int components = int(PixelBuffer::bytesPerPixel(buffer.format()));
  out.clear();
  return buffer.isValid() &&
         stbi_write_png_to_func(appendBytes, &out, int(buffer.width()), int(buffer.height()),
                                components, buffer.data(), int(buffer.width()) * components);
}

} // namespace STBLoader
