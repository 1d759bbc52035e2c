#pragma once
// A ready-made dialog frame: a draggable bevelled border with a drop shadow,
// a title bar with its label and a close button "x", a body of a least size
// and a bottom bar for buttons. Scripts fill the body and the bar through the
// popup's dictionary. The close button, or Escape, makes the page exit.

#include "gui/ButtonListener.h"
#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class Border;
class Box;
class Label;
class Spacer;
class TitleBar;

class Popup : public Widget, public ButtonListener {
public:
  math::Rectangle localRectangle() const override { return math::Rectangle(m_size, true); }
  void createDefaultChildren() override;
  void load(const quip::Dictionary &dictionary) override;
  void clicked(Button *button) override;

  void setSize(math::Vector2 size) { m_size = size; }
  // Null until the parts are built.
  Border *frame() const { return m_frame; }
  Box *titleBox() const { return m_titleBox; }
  TitleBar *titleBar() const { return m_titleBar; }
  Label *titleLabel() const { return m_titleLabel; }
  Box *background() const { return m_background; }
  Spacer *bodyContainer() const { return m_bodyContainer; }
  Box *body() const { return m_body; }
  Box *bottomBar() const { return m_bottomBar; }
  Button *closeButton() const { return m_closeButton; }

private:
  math::Vector2 m_size;
  Box *m_titleBox = nullptr;
  TitleBar *m_titleBar = nullptr;
  Label *m_titleLabel = nullptr;
  Border *m_frame = nullptr;
  Box *m_background = nullptr;
  Spacer *m_bodyContainer = nullptr;
  Box *m_body = nullptr;
  Box *m_bottomBar = nullptr;
  Button *m_closeButton = nullptr;
};

} // namespace GUI
