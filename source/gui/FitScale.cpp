#include "gui/FitScale.h"

#include "video/Window.h"

#include <algorithm>

namespace GUI {

float fitScale(math::Vector2 size, math::Vector2 area, int mode) {
  float rx = area.x / size.x, ry = area.y / size.y;
  switch (mode) {
  case 0:
    return std::max(rx, ry);
  case 1:
    return std::min(rx, ry);
  case 2:
    return std::min(1.0f, std::min(rx, ry));
  default:
    return 1.0f;
  }
}

float fitScaleToScreen(math::Vector2 size, int mode) {
  return fitScale(size, video::Window::screenSize(), mode);
}

} // namespace GUI
