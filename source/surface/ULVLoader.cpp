#include "surface/ULVLoader.h"

#include "file/FileWrapper.h"
#include "surface/PixelBuffer.h"
#include "surface/Reports.h"
#include "surface/SaveWhole.h"

namespace ULVLoader {

namespace {

String openFailure(const String &fileName) {
  return String(L"ULVLoader failed to open file: '") + fileName + L"'";
}

uint64_t levelBytes(const ULVHeader &header, uint32_t level) {
  return uint64_t(PixelBuffer::bytesPerPixel(header.format)) * (header.width >> level) *
         (header.height >> level);
}

} // namespace

uint32_t levelCount(const ULVHeader &header) {
  if (!header.mipmapped || header.width <= 1 || header.height <= 1)
    return 1;
  uint32_t count = 1;
  for (uint32_t w = header.width, h = header.height; w > 1 && h > 1; w >>= 1, h >>= 1)
    ++count;
  return count;
}

uint64_t totalByteSize(const ULVHeader &header) {
  uint64_t total = 0;
  for (uint32_t level = 0, n = levelCount(header); level < n; ++level)
    total += levelBytes(header, level);
  return total;
}

bool isValid(const ULVHeader &header) {
  return header.format >= 0 && header.format < PixelBuffer::NONE && header.width && header.height;
}

bool readULVInfo(const String &fileName, ULVHeader &header) {
  file::FileWrapper file;
  if (!file.open(fileName, String(L"rb"))) {
    RENDER_WARNING(L"readULVInfo", openFailure(fileName));
    return false;
  }
  if (file.bytesRemaining() < headerSize)
    return false;
  header.read(file);
  return true;
}

bool read(file::ByteProducer &in, ULVHeader &header, file::BufferBinary &image) {
  if (in.bytesRemaining() < headerSize)
    return false;
  header.read(in);
  const uint64_t total = totalByteSize(header);
  if (!isValid(header) || total > in.bytesRemaining())
    return false;
  image.clear();
  image.reserve(uint32_t(headerSize + total));
  header.write(image);
  image.resize(uint32_t(headerSize + total));
  in.produceBytes(image.pointerAt(headerSize), uint32_t(total));
  image.seek(0);
  return !in.overrun();
}

bool loadULV(const String &fileName, ULVHeader &header, file::BufferBinary &image) {
  file::FileWrapper file;
  if (!file.open(fileName, String(L"rb"))) {
    RENDER_WARNING(L"loadULV", openFailure(fileName));
    return false;
  }
  return read(file, header, image);
}

const unsigned char *levelData(const ULVHeader &header, const file::BufferBinary &image,
                               uint32_t level) {
  uint64_t offset = headerSize;
  for (uint32_t k = 0; k < level; ++k)
    offset += levelBytes(header, k);
  return image.data() + offset;
}

bool write(file::ByteReceiver &out, const PixelBuffer &source, int format, bool mipmapped) {
  // Kept from call to call; they grow to the largest level seen.
  static PixelBuffer scaled, converted;
  ULVHeader header;
  header.format = format;
  header.width = source.width();
  header.height = source.height();
  header.mipmapped = mipmapped;
  header.write(out);
  const bool dither =
      (source.format() == PixelBuffer::RGB888 || source.format() == PixelBuffer::RGBA8888) &&
      PixelBuffer::bytesPerPixel(format) == 2;
  const math::Vector2i origin(0, 0);
  const math::Vector2i full(int(source.width()), int(source.height()));
  for (uint32_t level = 0, n = levelCount(header); level < n; ++level) {
    const math::Vector2i size(int(header.width >> level), int(header.height >> level));
    scaled.create(uint32_t(size.x), uint32_t(size.y), source.format());
    source.copyScaled(origin, origin, full, size, scaled);
    if (dither)
      scaled.ditherTo(converted, format);
    else
      converted.convert(scaled, format, false);
    out.receiveBytes(converted.data(), converted.byteSize());
  }
  return true;
}

bool saveULV(const String &fileName, const PixelBuffer &source, int format, bool mipmapped) {
  file::BufferBinary bytes;
  write(bytes, source, format, mipmapped);
  switch (saveWholeFile(fileName, bytes.data(), bytes.size())) {
  case SaveResult::Saved:
    return true;
  case SaveResult::OpenFailed:
    RENDER_WARNING(L"saveULV", openFailure(fileName));
    return false;
  default:
    RENDER_WARNING(L"saveULV", String(L"Failed to save file: '") + fileName + L"'");
    return false;
  }
}

} // namespace ULVLoader
