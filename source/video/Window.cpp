#include "video/Window.h"

#include "error/Assert.h"
#include "video/Canvas.h"

namespace video {

namespace {

Window *theWindow = nullptr;

void flushCanvas() {
  if (Canvas *canvas = Canvas::instance())
    canvas->flush();
}

} // namespace

Window *Window::instance() { return theWindow; }
void Window::setInstance(Window *window) { theWindow = window; }

void Window::destroyInstance() {
  Window *window = theWindow;
  theWindow = nullptr;
  delete window;
}

math::Vector2 Window::screenSize() {
  if (!theWindow)
    return math::Vector2();
  return math::Vector2(float(theWindow->m_size.x), float(theWindow->m_size.y));
}

math::Vector2 Window::screenCenter() { return screenSize() * 0.5f; }

math::Rectangle Window::screenRectangle() {
  math::Vector2 size = screenSize();
  math::Rectangle r;
  r.set(0.0f, 0.0f, size.x, size.y);
  return r;
}

math::Rectangle Window::viewport() const {
  if (!m_viewports.isEmpty())
    return m_viewports.last();
  math::Rectangle r;
  r.set(0.0f, 0.0f, float(m_size.x), float(m_size.y));
  return r;
}

void Window::pushViewport(const math::Rectangle &rectangle) { push(rectangle, true); }
void Window::pushRawViewport(const math::Rectangle &rectangle) { push(rectangle, false); }

void Window::push(const math::Rectangle &rectangle, bool clip) {
  flushCanvas();
  math::Rectangle v = math::Rectangle::intersection(rectangle, screenRectangle());
  if (v.width == 0.0f || v.height == 0.0f)
    v.set(0.0f, 0.0f, 0.0f, 0.0f);
  if (clip) {
    // Only clipping viewports narrow a later clipping one.
    for (uint32_t i = m_viewports.size(); i-- > 0;) {
      if (m_viewportClips[i]) {
        v = math::Rectangle::intersection(v, m_viewports[i]);
        break;
      }
    }
  }
  m_viewports.push(v);
  m_viewportClips.push(clip);
  applyTop();
}

void Window::popViewport() {
  flushCanvas();
  CORVANE_ASSERT(!m_viewports.isEmpty());
  m_viewports.pop();
  m_viewportClips.pop();
  reapplyViewport();
  applyTop();
}

void Window::popRawViewport() {
  flushCanvas();
  CORVANE_ASSERT(!m_viewports.isEmpty());
  m_viewports.pop();
  m_viewportClips.pop();
  applyTop();
}

void Window::clearViewports() {
  m_viewports.clear();
  m_viewportClips.clear();
}

void Window::applyTop() {
  if (m_viewports.isEmpty())
    return;
  if (m_viewportClips.last()) {
    math::Rectangle top = m_viewports.last();
    applyViewport(top);
  }
  applyDeviceViewport();
}

void Window::applyViewport(const math::Rectangle &v) {
  Canvas *canvas = Canvas::instance();
  if (!canvas)
    return;
  if (v.width > 0.0f && v.height > 0.0f)
    canvas->setScreenProjection(float(int(v.width)), float(int(v.height)));
  canvas->translate(-v.x, -v.y, 0.0f);
}

void Window::reapplyViewport() {
  Canvas *canvas = Canvas::instance();
  if (!canvas || m_viewports.isEmpty())
    return;
  const math::Rectangle &v = m_viewports.last();
  if (v.width > 0.0f && v.height > 0.0f)
    canvas->setScreenProjection(float(int(v.width)), float(int(v.height)));
}

} // namespace video
