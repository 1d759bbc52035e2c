#pragma once
// A button that shows one of its face widgets by its state: up when idle,
// highlight when the pointer is over it, down while held, and the optional
// dim face when dimmed. A missing face counts as an empty widget.

#include "gui/Button.h"
#include "gui/Faces.h"

namespace GUI {

class PushButton : public Button {
public:
  enum Face { UP, HIGHLIGHT, DOWN_FACE, DIM, FACE_COUNT };

  void load(const quip::Dictionary &dictionary) override;
  math::Rectangle localRectangle() const override;
  void onChildRemoved(Widget *child) override;
  void setState(int state) override;

  // Each replaces (and deletes) the face of its role, adopts the new one as
  // a child and shows it as the current state asks.
  void setUp(Widget *widget) { setFace(UP, widget); }
  void setHighlight(Widget *widget) { setFace(HIGHLIGHT, widget); }
  void setDown(Widget *widget) { setFace(DOWN_FACE, widget); }
  void setDim(Widget *widget) { setFace(DIM, widget); }
  Widget *face(Face role) const { return m_faces.face(role); }

protected:
  // The face keys, read between the widget base's keys and the button's.
  void loadFaces(const quip::Dictionary &dictionary);

private:
  void setFace(Face role, Widget *widget) { m_faces.set(*this, role, widget, state()); }

  Faces m_faces;
};

} // namespace GUI
