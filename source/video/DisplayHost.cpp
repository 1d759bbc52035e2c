#include "video/DisplayHost.h"

namespace video {

namespace {
DisplayHost *installed = nullptr;
}

DisplayHost &DisplayHost::instance() {
  static DisplayHost defaults;
  return installed ? *installed : defaults;
}

void DisplayHost::setInstance(DisplayHost *host) { installed = host; }

float orientationAngle(int orientation) {
  switch (orientation) {
  case 1:
    return 90.0f;
  case 2:
    return -90.0f;
  case 3:
    return 180.0f;
  default:
    return 0.0f;
  }
}

} // namespace video
