#pragma once
// A straight line from start to end in one colour and width.

#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"

namespace GUI {

class Line : public Widget {
public:
  // The rectangle spanning start and end, grown by the width on every side.
  math::Rectangle localRectangle() const override;
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  void set(math::Vector2 start, math::Vector2 end) { m_start = start, m_end = end; }
  void setColor(const math::Color &color) { m_color = color; }
  void setWidth(float width) { m_width = width; }

private:
  math::Vector2 m_start;
  math::Vector2 m_end;
  math::Color m_color;
  float m_width = 1.0f;
};

} // namespace GUI
