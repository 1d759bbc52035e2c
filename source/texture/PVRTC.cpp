#include "texture/PVRTC.h"

#include "video/OpenGLFunctions.h"

#include <algorithm>
#include <cstring>

namespace {

const uint32_t headerBytes = 52;
const uint32_t pvrtc4 = 0x8C02, pvrtc2 = 0x8C03;

uint32_t word(const unsigned char *bytes, uint32_t offset) {
  uint32_t v;
  memcpy(&v, bytes + offset, 4);
  return v;
}

} // namespace

uint32_t pvrtcLevelSize(bool twoBitsPerPixel, uint32_t width, uint32_t height) {
  const uint32_t blocksAcross = std::max(width / (twoBitsPerPixel ? 8 : 4), 2u);
  return blocksAcross * std::max(height / 4, 2u) * 8;
}

bool readPVR(const unsigned char *bytes, uint32_t size, PVRInfo &out) {
  if (!bytes || size < headerBytes)
    return false;
  const uint32_t flags = word(bytes, 16);
  if (memcmp(bytes + 44, "PVR!", 4) != 0 || (flags != 24 && flags != 25))
    return false;
  const bool twoBits = flags == 24;
  out.height = word(bytes, 4);
  out.width = word(bytes, 8);
  out.hasAlpha = word(bytes, 40) != 0;
  out.glFormat = twoBits ? pvrtc2 : pvrtc4;
  out.levels.clear();
  // The data length governs, but never past the buffer.
  const uint64_t length = std::min<uint64_t>(word(bytes, 20), size - headerBytes);
  uint32_t w = out.width, h = out.height;
  for (uint64_t offset = 0; offset < length;) {
    const uint32_t levelSize = pvrtcLevelSize(twoBits, w, h);
    if (offset + levelSize > length)
      break;
    out.levels.push({w, h, uint32_t(offset), levelSize});
    offset += levelSize;
    w = std::max(w / 2, 1u);
    h = std::max(h / 2, 1u);
  }
  return true;
}

bool uploadPVRTC(const file::BufferBinary &buffer, uint32_t &width, uint32_t &height,
                 bool &hasAlpha) {
  PVRInfo info;
  if (!readPVR(buffer.data(), buffer.size(), info))
    return false;
  width = info.width;
  height = info.height;
  hasAlpha = info.hasAlpha;
  if (!OpenGLFunctions::compressedTexImage2D)
    return true;
  for (uint32_t i = 0; i < info.levels.size(); ++i) {
    const PVRLevel &level = info.levels[i];
    OpenGLFunctions::compressedTexImage2D(
        GL_TEXTURE_2D, GLint(i), GLenum(info.glFormat), GLsizei(level.width), GLsizei(level.height),
        0, GLsizei(level.size), buffer.data() + headerBytes + level.offset);
  }
  return true;
}

bool isPVRTCSupported() {
  return OpenGLFunctions::isCompressedFormatSupported(int(pvrtc4)) &&
         OpenGLFunctions::isCompressedFormatSupported(int(pvrtc2));
}
