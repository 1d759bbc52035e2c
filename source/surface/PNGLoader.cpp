#include "surface/PNGLoader.h"

#include "surface/STBLoader.h"

namespace PNGLoader {

bool readPNGInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format) {
  return STBLoader::readInfo(fileName, width, height, format);
}

bool savePNG(const String &fileName, const PixelBuffer &buffer, int) {
  return STBLoader::savePNG(fileName, buffer);
}

bool loadPNG(FILE *file, PixelBuffer &buffer) { return STBLoader::load(file, buffer); }

bool loadPNG(const String &fileName, PixelBuffer &buffer) {
  return STBLoader::load(fileName, buffer);
}

} // namespace PNGLoader
