#include "LoadingPicture.h"

#include "file/FileStatus.h"
#include "surface/PNGLoader.h"
#include "xstring/Print.h"

#include <cmath>

namespace texpack {

namespace {
const uint32_t Width = 320, Height = 480;
} // namespace

void makeLoadingPicture(PixelBuffer &out) {
  out.create(Width, Height, PixelBuffer::RGB888);
  const float cx = float(Width) / 2.0f, cy = float(Height) / 2.0f;
  for (uint32_t y = 0; y < Height; ++y) {
    const float t = float(y) / float(Height - 1);
    for (uint32_t x = 0; x < Width; ++x) {
      float r = 20.0f + (10.0f - 20.0f) * t, g = 30.0f + (120.0f - 30.0f) * t,
            b = 80.0f + (140.0f - 80.0f) * t;
      // A ring of radius 60 and width 12, brightest at its middle.
      const float d = std::fabs(std::hypot(float(x) - cx, float(y) - cy) - 60.0f);
      if (d < 6.0f) {
        const float k = 1.0f - d / 6.0f;
        r += (230.0f - r) * k;
        g += (240.0f - g) * k;
        b += (250.0f - b) * k;
      }
      out.setPixel(x, y, uint8_t(r), uint8_t(g), uint8_t(b), 255);
    }
  }
}

bool writeLoadingPicture(const String &dataRoot) {
  String folder = dataRoot + L"/load";
  if (!file::isDirectory(folder) && !file::makeDirectory(folder)) {
    xstring::write(stderr, String(L"texpack: cannot make ") + folder + L"\n");
    return false;
  }
  PixelBuffer picture;
  makeLoadingPicture(picture);
  String path = folder + L"/loadingScreen.png";
  if (!PNGLoader::savePNG(path, picture, 0)) {
    xstring::write(stderr, String(L"texpack: cannot write ") + path + L"\n");
    return false;
  }
  return true;
}

} // namespace texpack
