#pragma once
// The strip that drags its whole page with the pointer.

#include "gui/PageDrag.h"
#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class TitleBar : public Widget {
public:
  math::Rectangle localRectangle() const override { return math::Rectangle(m_size, true); }
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void refreshPointerState() override { m_drag.cancel(); }
  void load(const quip::Dictionary &dictionary) override;

  void setSize(math::Vector2 size) { m_size = size; }
  bool dragging() const { return m_drag.dragging(); }

private:
  PageDrag m_drag;
  math::Vector2 m_size;
};

} // namespace GUI
