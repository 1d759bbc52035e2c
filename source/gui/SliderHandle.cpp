#include "gui/SliderHandle.h"

#include "gui/BevelFrame.h"
#include "gui/Page.h"
#include "gui/Slider.h"
#include "input/InputEvent.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>

namespace GUI {

SliderHandle::SliderHandle() : m_rectangle(new math::Rectangle) { setHitArea(m_rectangle); }

void SliderHandle::setLimits(float minX, float maxX, float minY, float maxY) {
  m_minX = minX;
  m_maxX = maxX;
  m_minY = minY;
  m_maxY = maxY;
}

bool SliderHandle::onPointerDown(const framework::InputEvent &event) {
  math::Vector2 screen = framework::pointerPosition(event);
  if (event.button != framework::InputEvent::BUTTON_LEFT || !containsPoint(screen))
    return false;
  if (hasPage())
    page()->capturePointer(this);
  m_grabPoint = fromScreen(screen);
  m_dragging = true;
  return true;
}

bool SliderHandle::onPointerMove(const framework::InputEvent &event) {
  if (!m_dragging)
    return false;
  math::Vector2 p = position() + (fromScreen(framework::pointerPosition(event)) - m_grabPoint);
  p.x = std::min(std::max(p.x, m_minX), m_maxX);
  p.y = std::min(std::max(p.y, m_minY), m_maxY);
  setPosition(p);
  if (m_slider)
    m_slider->handleMoved();
  return true;
}

bool SliderHandle::onPointerUp(const framework::InputEvent &) {
  if (!m_dragging)
    return false;
  if (hasPage())
    page()->releasePointer(this);
  m_dragging = false;
  return true;
}

void SliderHandle::draw(video::Canvas &canvas) {
  const math::Color white(1.0f, 1.0f, 1.0f, 1.0f), light(0.8f, 0.8f, 0.8f, 1.0f),
      dark(0.2f, 0.2f, 0.2f, 1.0f);
  const math::Rectangle &r = *m_rectangle;
  // Corners top-left, bottom-left, top-right, bottom-right: lit along the
  // left of an upright handle, along the top of a lying one.
  if (!m_slider || m_slider->alignment() == Slider::VERTICAL)
    canvas.fillRect(r, white, white, light, light, video::BLEND_NORMAL);
  else
    canvas.fillRect(r, white, light, white, light, video::BLEND_NORMAL);
  drawBevelFrame(canvas, r, 1.0f, white, light, dark, true);
}

} // namespace GUI
