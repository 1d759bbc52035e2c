#pragma once
// JPEG files and colour-plus-alpha JPEG pairs into pixel buffers.

#include "xstring/String.h"

#include <cstdint>
#include <cstdio>

class PixelBuffer;

namespace JPEGLoader {

bool loadJPEG(const String &fileName, PixelBuffer &buffer);
// From the file's current position (an image inside the texture file).
bool loadJPEG(FILE *file, PixelBuffer &buffer);
bool loadJPEGPair(const String &colorFileName, const String &alphaFileName, PixelBuffer &buffer);
// Both images from one file, at two byte offsets.
bool loadJPEGPair(FILE *file, uint32_t colorOffset, uint32_t alphaOffset, PixelBuffer &buffer);
bool loadJPEGPair(FILE *colorFile, FILE *alphaFile, PixelBuffer &buffer);
bool readJPEGInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format);
// Encodes an rgb888 (or rgba8888, alpha dropped) buffer at the quality.
bool saveJPEG(const String &fileName, const PixelBuffer &buffer, int quality);

} // namespace JPEGLoader
