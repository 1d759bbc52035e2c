#include "gui/PushButton.h"

#include "gui/WidgetRegistry.h"

namespace GUI {

void PushButton::onChildRemoved(Widget *child) {
  m_faces.forget(child);
  Button::onChildRemoved(child);
}

void PushButton::setState(int state) {
  Button::setState(state);
  m_faces.show(state);
}

math::Rectangle PushButton::localRectangle() const { return m_faces.bounds(state()); }

void PushButton::load(const quip::Dictionary &d) {
  Widget::load(d);
  loadFaces(d);
  loadButtonKeys(d);
}

void PushButton::loadFaces(const quip::Dictionary &d) {
  static const Symbol keys[FACE_COUNT] = {SYM(L"up"), SYM(L"highlight"), SYM(L"down"),
                                          SYM(L"dimWidget")};
  for (int role = 0; role < FACE_COUNT; ++role)
    if (Widget *widget = takeNamedWidget(d, keys[role]))
      setFace(Face(role), widget);
}

} // namespace GUI
