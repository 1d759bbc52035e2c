#include "framework/Shell.h"

#include "video/Window.h"

namespace framework {

namespace {
Shell *theShell = nullptr;

// Positions map within the window's logical size.
math::Vector2i windowSize() {
  video::Window *window = video::Window::instance();
  return window ? window->size() : math::Vector2i();
}
} // namespace

Shell *Shell::instance() { return theShell; }
void Shell::setInstance(Shell *shell) { theShell = shell; }

void Shell::destroyInstance() {
  Shell *shell = theShell;
  theShell = nullptr;
  delete shell;
}

void Shell::systemInitialize(const math::Vector2i &, bool, bool, bool, int orientation,
                             const String &, const String &) {
  m_orientation = orientation;
}

void Shell::listDisplayModes(container::Vector<math::Vector2i> &modes, bool, bool) {
  modes.clear();
}

math::Vector2i Shell::deviceToScreen(const math::Vector2i &p) const {
  math::Vector2i s = windowSize();
  switch (orientation()) {
  case 0:
    return math::Vector2i(p.x, s.y - p.y);
  case 1:
    return math::Vector2i(p.y, p.x);
  case 2:
    return math::Vector2i(s.y - p.y, s.x - p.x);
  case 3:
    return math::Vector2i(s.x - p.x, p.y);
  default:
    return p;
  }
}

math::Vector2i Shell::screenToDevice(const math::Vector2i &p) const { return deviceToScreen(p); }

math::Vector2i Shell::motionToScreen(const math::Vector2i &m) const {
  switch (orientation()) {
  case 0:
    return math::Vector2i(m.x, -m.y);
  case 1:
    return math::Vector2i(m.y, m.x);
  case 2:
    return math::Vector2i(-m.y, -m.x);
  case 3:
    return math::Vector2i(-m.x, m.y);
  default:
    return m;
  }
}

math::Vector2i Shell::sizeToScreen(const math::Vector2i &size) const {
  int o = orientation();
  if (o == 1 || o == 2)
    return math::Vector2i(size.y, size.x);
  return size;
}

} // namespace framework
