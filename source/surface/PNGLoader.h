#pragma once
// PNG files: all of it is done by the stb loader.

#include "xstring/String.h"

#include <cstdint>
#include <cstdio>

class PixelBuffer;

namespace PNGLoader {

bool readPNGInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format);
// The level is not used.
bool savePNG(const String &fileName, const PixelBuffer &buffer, int level);
bool loadPNG(FILE *file, PixelBuffer &buffer);
bool loadPNG(const String &fileName, PixelBuffer &buffer);

} // namespace PNGLoader
