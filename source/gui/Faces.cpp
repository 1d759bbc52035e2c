#include "gui/Faces.h"

#include "gui/Widget.h"

namespace GUI {

void Faces::set(Widget &owner, int role, Widget *face, int state) {
  if (m_faces[role] == face)
    return;
  if (Widget *old = m_faces[role])
    owner.removeChild(old);
  m_faces[role] = face;
  if (face)
    owner.addChild(face);
  show(state);
}

void Faces::forget(Widget *child) {
  for (Widget *&face : m_faces)
    if (face == child)
      face = nullptr;
}

void Faces::show(int state) const {
  for (int role = 0; role < COUNT; ++role)
    if (m_faces[role])
      m_faces[role]->setVisible(role == state);
}

math::Rectangle Faces::bounds(int state) const {
  Widget *shown = face(state);
  if (!shown)
    return math::Rectangle();
  math::Rectangle r = shown->localRectangle();
  r.translate(shown->position());
  return r;
}

} // namespace GUI
