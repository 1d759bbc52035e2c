#include "gui/ClipViewport.h"

#include "gui/Widget.h"
#include "math/Scalar.h"
#include "video/Canvas.h"
#include "video/Window.h"

namespace GUI {

math::Rectangle screenClipRectangle(const Widget &w) {
  math::Rectangle r = w.screenRectangle();
  r.x = float(math::round(r.x));
  r.y = float(math::round(r.y));
  return r;
}

void ClipViewport::push(video::Canvas &canvas, const math::Rectangle &rectangle) {
  video::Window *window = video::Window::instance();
  if (!window)
    return;
  canvas.pushMatrix();
  window->pushViewport(rectangle);
  m_pushed = true;
}

void ClipViewport::pop(video::Canvas &canvas) {
  if (!m_pushed)
    return;
  m_pushed = false;
  if (video::Window *window = video::Window::instance())
    window->popViewport();
  canvas.popMatrix();
}

} // namespace GUI
