#include "audio/WAVLoader.h"

#include "audio/MediaFormats.h"
#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/FileWrapper.h"

#include <algorithm>
#include <cstring>

namespace WAVLoader {

namespace {

const uint32_t headerBytes = 44;

uint32_t u32(const uint8_t *h, uint32_t offset) {
  uint32_t v;
  memcpy(&v, h + offset, 4);
  return v;
}

uint16_t u16(const uint8_t *h, uint32_t offset) {
  uint16_t v;
  memcpy(&v, h + offset, 2);
  return v;
}

bool readHeader(file::ByteProducer &in, uint8_t (&header)[headerBytes], uint32_t &layout,
                uint32_t &sampleRate) {
  if (in.bytesRemaining() < headerBytes)
    return false;
  in.produceBytes(header, headerBytes);
  sampleRate = u32(header, 24);
  layout = media::layoutFor(u16(header, 34), u16(header, 22));
  return true;
}

} // namespace

bool loadInfo(const String &path, uint32_t &layout, uint32_t &sampleRate) {
  if (media::soundFormatOfPath(path) != media::SOUND_WAV)
    return false;
  file::FileWrapper file;
  if (!file.open(path, String(L"rb"))) {
    framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"loadInfo",
                             String(L"WAVLoader failed to open file: '") + path + L"'");
    return false;
  }
  uint8_t header[headerBytes];
  return readHeader(file, header, layout, sampleRate);
}

bool load(uint32_t format, file::ByteProducer &in, container::Vector<uint8_t> &bytes,
          uint32_t &layout, uint32_t &sampleRate) {
  if (format != media::SOUND_WAV)
    return false;
  uint8_t header[headerBytes];
  if (!readHeader(in, header, layout, sampleRate))
    return false;
  const uint32_t size = std::min(u32(header, 40), in.bytesRemaining());
  bytes.reserve(size);
  bytes.setSize(size);
  in.produceBytes(bytes.data(), size);
  return true;
}

} // namespace WAVLoader
