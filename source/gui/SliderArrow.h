#pragma once
// The button at each end of a slider, drawn as a bevelled square with a
// triangle pointing its way. Held, it reports "down" every frame.

#include "gui/Button.h"

namespace GUI {

class SliderArrow : public Button {
public:
  enum Direction { UP = 0, DOWN_ARROW = 1, LEFT = 2, RIGHT = 3 };

  math::Rectangle localRectangle() const override { return math::Rectangle(20.0f, 20.0f, true); }
  void draw(video::Canvas &canvas) override;

  int direction() const { return m_direction; }
  void setDirection(int direction) { m_direction = direction; }

private:
  int m_direction = UP;
};

} // namespace GUI
