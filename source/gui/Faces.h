#pragma once
// The face widgets of a button kind, one per state (up, highlight, down,
// dimmed), held as children of their owner: the face of the current state
// is shown and gives the owner its bounds. A missing face is an empty widget.

#include "math/Rectangle.h"

namespace GUI {

class Widget;

class Faces {
public:
  static const int COUNT = 4;

  // Removes (and deletes) the face of that role, adopts the new one as a
  // child of owner and shows it as the state asks.
  void set(Widget &owner, int role, Widget *face, int state);
  // Called when owner loses a child: a face among them is forgotten.
  void forget(Widget *child);
  // Only the face of the state is visible.
  void show(int state) const;
  // Null outside the roles.
  Widget *face(int role) const { return role >= 0 && role < COUNT ? m_faces[role] : nullptr; }
  // The bounds of the state's face in its owner's coordinates; empty without one.
  math::Rectangle bounds(int state) const;

private:
  Widget *m_faces[COUNT] = {};
};

} // namespace GUI
