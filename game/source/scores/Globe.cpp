#include "scores/Globe.h"

namespace video {

namespace {
Globe *g_globe = nullptr;
} // namespace

Globe &Globe::instance() {
  if (!g_globe)
    g_globe = new Globe;
  return *g_globe;
}

bool Globe::exists() { return g_globe != nullptr; }

void Globe::destroy() {
  delete g_globe;
  g_globe = nullptr;
}

} // namespace video
