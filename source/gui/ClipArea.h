#pragma once
// Clips the drawing and the hit tests of its children to its rectangle.

#include "gui/ClipViewport.h"
#include "gui/Widget.h"

namespace GUI {

class ClipArea : public Widget {
public:
  ClipArea() { setSizeToChildren(false); }

  math::Rectangle localRectangle() const override { return m_area; }
  // The parent's clip rectangle narrowed to the visible rectangle.
  math::Rectangle clipRectangle() const override;
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;
  void drawAfterChildren(video::Canvas &canvas) override;

  void setArea(const math::Rectangle &area) { m_area = area; }

private:
  math::Rectangle m_area;
  ClipViewport m_viewport;
};

} // namespace GUI
