// Image files chosen by the name's suffix.

#include "surface/PixelBuffer.h"

#include "surface/JPEGLoader.h"
#include "surface/PNGLoader.h"
#include "surface/Reports.h"
#include "surface/STBLoader.h"
#include "xstring/Print.h"

#include <cstdio>

namespace {

// The text after the last '.' of the name part, lower-cased.
String suffixOf(const String &fileName) {
  String directory, name, extension;
  splitPath(fileName, directory, name, extension);
  return extension.lowerCased();
}

bool isJPEG(const String &suffix) { return suffix == L"jpg" || suffix == L"jpeg"; }

void unknownSuffix(const String &fileName, const String &suffix) {
  renderError(String(L"File: '") + fileName + L"' has unknown suffix: '" + suffix + L"'");
}

} // namespace

bool PixelBuffer::loadFromFile(const String &fileName) {
  clear();
  String suffix = suffixOf(fileName);
  if (isJPEG(suffix))
    return JPEGLoader::loadJPEG(fileName, *this);
  if (suffix == L"png")
    return STBLoader::load(fileName, *this);
  xstring::write(stderr, String(L"Image file: '") + fileName + L"' has unsupported suffix: " +
                             suffix + L"\n");
  return false;
}

bool PixelBuffer::saveImageBySuffix(const String &fileName, bool allowConvert) {
  String suffix = suffixOf(fileName);
  if (isJPEG(suffix)) {
    if (m_format != RGB888) {
      if (!allowConvert)
        return false;
      PixelBuffer copy;
      copy.copy(*this);
      convert(copy, RGB888, false);
    }
    return JPEGLoader::saveJPEG(fileName, *this, 100);
  }
  if (suffix == L"png") {
    if (m_format != RGB888 && m_format != RGBA8888) {
      if (!allowConvert)
        return false;
      convert(*this, hasAlpha(m_format) ? RGBA8888 : RGB888, false);
    }
    return PNGLoader::savePNG(fileName, *this, -1);
  }
  unknownSuffix(fileName, suffix);
  return false;
}

bool PixelBuffer::readFileInfo(const String &fileName, uint32_t &width, uint32_t &height,
                               int &format) {
  String suffix = suffixOf(fileName);
  if (isJPEG(suffix) || suffix == L"png")
    return STBLoader::readInfo(fileName, width, height, format);
  unknownSuffix(fileName, suffix);
  return false;
}

bool PixelBuffer::loadPairFromFiles(const String &colorFileName, const String &alphaFileName) {
  return JPEGLoader::loadJPEGPair(colorFileName, alphaFileName, *this);
}
