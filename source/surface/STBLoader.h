#pragma once
// Decoding (JPEG, PNG) and PNG and JPEG writing through stb_image and
// stb_image_write. Decoded images are rgb888 or rgba8888.

#include "container/Vector.h"
#include "xstring/String.h"

#include <cstdint>
#include <cstdio>

class PixelBuffer;

namespace STBLoader {

// 3 gives rgb888, 4 rgba8888; any other count is reported and gives none.
int pixelBufferFormat(int numComponents);
bool readInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format);
// Decodes from the file's current position with its own component count.
bool load(FILE *file, PixelBuffer &buffer);
bool load(const String &fileName, PixelBuffer &buffer);
// A colour JPEG and a grey alpha JPEG of equal size into one rgba8888 image.
bool loadPair(FILE *colorFile, uint32_t colorOffset, FILE *alphaFile, uint32_t alphaOffset,
              PixelBuffer &buffer);
// rgb888 and rgba8888 buffers only give sensible files.
bool savePNG(const String &fileName, const PixelBuffer &buffer);
// Encoded in memory: a JPEG at the quality (1-100) of an rgb888 or rgba8888
// buffer, and a PNG.
bool encodeJPEG(const PixelBuffer &buffer, int quality, container::Vector<unsigned char> &out);
bool encodePNG(const PixelBuffer &buffer, container::Vector<unsigned char> &out);

} // namespace STBLoader
