#include "gui/DragWidget.h"

#include "input/InputEvent.h"
#include "quip/Token.h"

#include <algorithm>

namespace GUI {

void DragWidget::moveTo(math::Vector2 pointer) {
  math::Vector2 p = pointer + m_grabOffset;
  if (m_hasLimit[MIN_X])
    p.x = std::max(p.x, m_limits[MIN_X]);
  if (m_hasLimit[MAX_X])
    p.x = std::min(p.x, m_limits[MAX_X]);
  if (m_hasLimit[MIN_Y])
    p.y = std::max(p.y, m_limits[MIN_Y]);
  if (m_hasLimit[MAX_Y])
    p.y = std::min(p.y, m_limits[MAX_Y]);
  setPosition(p);
}

bool DragWidget::handleEvent(const framework::InputEvent &event) {
  if (!isInteractive())
    return false;
  math::Vector2 pointer = framework::pointerPosition(event);
  switch (event.kind) {
  case framework::InputEvent::BUTTON_DOWN:
    if (m_handle && m_handle->containsPoint(pointer)) {
      m_grabOffset = position() - pointer;
      m_dragging = true;
      return true;
    }
    break;
  case framework::InputEvent::POINTER_MOTION:
    if (m_dragging) {
      moveTo(pointer);
      return true;
    }
    break;
  case framework::InputEvent::BUTTON_UP:
    if (m_dragging) {
      moveTo(pointer);
      m_dragging = false;
      return true;
    }
    break;
  default:
    break;
  }
  return m_handle && m_handle->handleEvent(event);
}

void DragWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  static const Symbol keys[] = {SYM(L"minX"), SYM(L"maxX"), SYM(L"minY"), SYM(L"maxY")};
  for (int i = 0; i < 4; ++i) {
    const quip::Token *value = d.lookup(keys[i]);
    m_hasLimit[i] = value && value->get(m_limits[i]);
  }
  m_handle = children().isEmpty() ? nullptr : children()[0];
}

void DragWidget::onChildRemoved(Widget *child) {
  if (child == m_handle) {
    m_handle = nullptr;
    m_dragging = false;
  }
}

} // namespace GUI
