#pragma once
// Pre-compressed PVRTC textures in the PVR (version 2) container, handed to
// OpenGL level by level.

#include "container/Vector.h"
#include "file/BufferBinary.h"

#include <cstdint>

struct PVRLevel {
  uint32_t width, height, offset, size;
};

// The header's facts and the levels that lie wholly inside the buffer; false
// for a short buffer, a wrong tag or flags other than 24 (2 bits per pixel)
// and 25 (4 bits per pixel).
struct PVRInfo {
  uint32_t width = 0, height = 0;
  bool hasAlpha = false;
  uint32_t glFormat = 0;
  container::Vector<PVRLevel> levels;
};
bool readPVR(const unsigned char *bytes, uint32_t size, PVRInfo &out);
// The byte size of one level.
uint32_t pvrtcLevelSize(bool twoBitsPerPixel, uint32_t width, uint32_t height);

// Uploads every level to the bound texture; false, with nothing uploaded,
// when the container is not accepted.
bool uploadPVRTC(const file::BufferBinary &buffer, uint32_t &width, uint32_t &height,
                 bool &hasAlpha);
// Both PVRTC formats are offered by the driver.
bool isPVRTCSupported();
