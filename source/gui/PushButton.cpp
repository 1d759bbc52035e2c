#include "gui/PushButton.h"

#include "gui/WidgetRegistry.h"

namespace GUI {

void PushButton::setFace(Face role, Widget *widget) {
  if (m_faces[role] == widget)
    return;
  if (Widget *old = m_faces[role])
    removeChild(old);
  m_faces[role] = widget;
  if (widget)
    addChild(widget);
  showFaces();
}

void PushButton::onChildRemoved(Widget *child) {
  for (Widget *&face : m_faces)
    if (face == child)
      face = nullptr;
  Button::onChildRemoved(child);
}

void PushButton::showFaces() {
  for (int role = 0; role < FACE_COUNT; ++role)
    if (m_faces[role])
      m_faces[role]->setVisible(role == state());
}

void PushButton::setState(int state) {
  Button::setState(state);
  showFaces();
}

math::Rectangle PushButton::localRectangle() const {
  int role = state();
  if (role < 0 || role >= FACE_COUNT || !m_faces[role])
    return math::Rectangle();
  math::Rectangle r = m_faces[role]->localRectangle();
  r.translate(m_faces[role]->position());
  return r;
}

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
