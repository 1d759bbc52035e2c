#pragma once
// The one drawing surface of the program: its size, its state flags and a
// stack of viewports through which widgets clip their drawing to a
// rectangle. The OpenGL window implements it over SDL.

#include "container/Vector.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "xstring/String.h"

namespace video {

class OpenGLWindow;

class Window {
public:
  Window() = default;
  Window(const Window &) = delete;
  Window &operator=(const Window &) = delete;
  virtual ~Window() = default;

  virtual void create(const math::Vector2i &size, bool fullscreen, bool depthBuffer,
                      bool stencilBuffer) = 0;
  virtual void setSize(const math::Vector2i &size) = 0;
  // The SDL resize event arrives here.
  virtual void resize(const math::Vector2i &size) = 0;
  virtual void setActive(bool active) = 0;
  virtual void setCaption(const String &caption) = 0;
  virtual void setFullscreen(bool fullscreen) = 0;
  virtual void iconify() = 0;
  virtual void restore() = 0;
  virtual OpenGLWindow *asOpenGLWindow() { return nullptr; }
  virtual void *asOtherWindow() { return nullptr; }
  virtual void applyDeviceViewport() = 0;
  // For a clipping viewport: the canvas projection of its size, and a
  // translation so that drawing inside keeps window coordinates.
  virtual void applyViewport(const math::Rectangle &viewport);
  // The canvas projection of the top viewport's size.
  virtual void reapplyViewport();

  // The global window, set once by the shell.
  static Window *instance();
  static void setInstance(Window *window);
  static void destroyInstance();
  static math::Vector2 screenSize();
  static math::Vector2 screenCenter();
  static math::Rectangle screenRectangle();

  // Each push and pop flushes the canvas first, so batched drawing lands in
  // the viewport it was drawn for.
  void pushViewport(const math::Rectangle &rectangle);
  void popViewport();
  void pushRawViewport(const math::Rectangle &rectangle);
  void popRawViewport();
  uint32_t viewportCount() const { return m_viewports.size(); }
  const math::Rectangle &topViewport() const { return m_viewports.last(); }
  // The top viewport, or the whole window when none is pushed.
  math::Rectangle viewport() const;

  const math::Vector2i &size() const { return m_size; }
  bool fullscreen() const { return m_fullscreen; }
  bool active() const { return m_active; }
  bool iconified() const { return m_iconified; }
  // The event pump's view of SDL's application-active bit.
  void setIconified(bool iconified) { m_iconified = iconified; }

protected:
  void clearViewports();
  void push(const math::Rectangle &rectangle, bool clip);
  void applyTop();

  math::Vector2i m_size;
  bool m_fullscreen = false;
  bool m_active = false;
  bool m_iconified = false;
  container::Vector<math::Rectangle> m_viewports;
  container::Vector<bool> m_viewportClips;
};

} // namespace video
