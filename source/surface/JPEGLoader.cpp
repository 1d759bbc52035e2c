#include "surface/JPEGLoader.h"

#include "file/Path.h"
#include "surface/PixelBuffer.h"
#include "surface/Reports.h"
#include "surface/STBLoader.h"
#include "surface/SaveWhole.h"

namespace JPEGLoader {

namespace {
String openFailure(const String &fileName) {
  return String(L"JPEGLoader failed to open file: '") + fileName + L"'";
}
} // namespace

bool loadJPEG(const String &fileName, PixelBuffer &buffer) {
  FILE *file = file::openFile(fileName, String(L"rb"));
  if (!file) {
    RENDER_WARNING(L"loadJPEG", openFailure(fileName));
    return false;
  }
  bool ok = STBLoader::load(file, buffer);
  file::closeFile(file);
  return ok;
}

bool loadJPEG(FILE *file, PixelBuffer &buffer) { return STBLoader::load(file, buffer); }

bool loadJPEGPair(const String &colorFileName, const String &alphaFileName, PixelBuffer &buffer) {
  FILE *color = file::openFile(colorFileName, String(L"rb"));
  FILE *alpha = file::openFile(alphaFileName, String(L"rb"));
  bool ok = false;
  if (!color) {
    RENDER_WARNING(L"loadJPEGPair", openFailure(colorFileName));
  } else if (!alpha) {
    RENDER_WARNING(L"loadJPEGPair", openFailure(alphaFileName));
  } else {
    ok = STBLoader::loadPair(color, 0, alpha, 0, buffer);
    if (!ok)
      RENDER_WARNING(L"loadJPEGPair", String(L"Failed to load color and alpha pair: '") +
                                          colorFileName + L"', '" + alphaFileName + L"'");
  }
  if (color)
    file::closeFile(color);
  if (alpha)
    file::closeFile(alpha);
  return ok;
}

bool loadJPEGPair(FILE *file, uint32_t colorOffset, uint32_t alphaOffset, PixelBuffer &buffer) {
  return STBLoader::loadPair(file, colorOffset, file, alphaOffset, buffer);
}

bool loadJPEGPair(FILE *colorFile, FILE *alphaFile, PixelBuffer &buffer) {
  return STBLoader::loadPair(colorFile, 0, alphaFile, 0, buffer);
}

bool readJPEGInfo(const String &fileName, uint32_t &width, uint32_t &height, int &format) {
  return STBLoader::readInfo(fileName, width, height, format);
}

bool saveJPEG(const String &fileName, const PixelBuffer &buffer, int quality) {
  container::Vector<unsigned char> bytes;
  if (!STBLoader::encodeJPEG(buffer, quality, bytes)) {
    RENDER_WARNING(L"saveJPEG", String(L"Failed to save file: '") + fileName + L"'");
    return false;
  }
  switch (saveWholeFile(fileName, bytes.data(), bytes.size())) {
  case SaveResult::Saved:
    return true;
  case SaveResult::OpenFailed:
    RENDER_WARNING(L"saveJPEG", openFailure(fileName));
    return false;
  default:
    RENDER_WARNING(L"saveJPEG", String(L"Failed to save file: '") + fileName + L"'");
    return false;
  }
}

} // namespace JPEGLoader
