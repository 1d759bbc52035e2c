#pragma once
// A window that keeps its size and flags and draws nothing: what the camera,
// the view and the shell ask of a window, without a graphics library; and a
// scope in which one is the global window.

#include "video/Window.h"

namespace testing_support {

class FakeWindow : public video::Window {
public:
  explicit FakeWindow(int w = 320, int h = 480) {
    m_size = math::Vector2i(w, h);
    m_active = true;
  }
  void create(const math::Vector2i &size, bool fullscreen, bool, bool) override {
    m_size = size;
    m_fullscreen = fullscreen;
  }
  void setSize(const math::Vector2i &size) override { m_size = size; }
  void resize(const math::Vector2i &size) override {
    m_size = size;
    ++resizes;
  }
  void setActive(bool active) override { m_active = active; }
  void setCaption(const String &) override {}
  void setFullscreen(bool fullscreen) override { m_fullscreen = fullscreen; }
  void iconify() override { m_iconified = true; }
  void restore() override { m_iconified = false; }
  void applyDeviceViewport() override {}

  int resizes = 0;
};

// Makes a window the global one for a scope, then puts the previous back.
class WindowSwap {
public:
  explicit WindowSwap(video::Window *window) : m_previous(video::Window::instance()) {
    video::Window::setInstance(window);
  }
  ~WindowSwap() { video::Window::setInstance(m_previous); }
  WindowSwap(const WindowSwap &) = delete;
  WindowSwap &operator=(const WindowSwap &) = delete;

private:
  video::Window *m_previous;
};

} // namespace testing_support
