#pragma once
// The thin bar between a tab control's row of tabs and its views.

#include "gui/Widget.h"

namespace GUI {

class TabDivider : public Widget {
public:
  // 0 wide and 5 high, centred: the layout stretches it across.
  math::Rectangle localRectangle() const override { return math::Rectangle(0.0f, 5.0f, true); }
  void draw(video::Canvas &canvas) override;
};

} // namespace GUI
