#include "gui/PageDrag.h"

#include "gui/Page.h"
#include "input/InputEvent.h"

namespace GUI {

bool PageDrag::press(Widget &w, const framework::InputEvent &event) {
  if (event.button != framework::InputEvent::BUTTON_LEFT || !w.hasPage() ||
      !w.layoutContains(framework::pointerPosition(event)))
    return false;
  Page *page = w.page();
  page->attachToLayer();
  page->capturePointer(&w);
  m_dragging = true;
  return true;
}

bool PageDrag::move(Widget &w, const framework::InputEvent &event) {
  if (!m_dragging || !w.hasPage())
    return false;
  Page *page = w.page();
  page->setPosition(page->position() + framework::motionPosition(event));
  return true;
}

bool PageDrag::release(Widget &w) {
  if (!m_dragging || !w.hasPage())
    return false;
  w.page()->releasePointer(&w);
  m_dragging = false;
  return true;
}

} // namespace GUI
