#pragma once
// A bevelled frame of a given size and width, with an optional drop shadow.
// Only the frame itself is hit; a draggable border moves its whole page.

#include "gui/DropShadow.h"
#include "gui/PageDrag.h"
#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"

namespace GUI {

class Border : public Widget {
public:
  // The outer rectangle of the frame along the rectangle of its size.
  math::Rectangle localRectangle() const override;
  // Grown by the width on every side: the frame is drawn within the layout.
  math::Rectangle adjustNaturalRectangle(math::Rectangle rectangle) const override;
  // Inside the outer rectangle and outside the inner one: around the
  // rectangle of its size, and for the layout within its layout rectangle.
  bool containsPoint(math::Vector2 screen) const override;
  bool layoutContains(math::Vector2 screen) const override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void refreshPointerState() override { m_drag.cancel(); }
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  void setSize(math::Vector2 size) { m_size = size; }
  void setColors(const math::Color &light, const math::Color &medium, const math::Color &dark);
  void setWidth(float width) { m_width = width; }
  float width() const { return m_width; }
  void setCentered(bool centered) { m_centered = centered; }
  void setOutside(bool outside) { m_outside = outside; }
  void setBevel(bool bevel) { m_bevel = bevel; }
  void setDraggable(bool draggable) { m_draggable = draggable; }
  bool dragging() const { return m_drag.dragging(); }
  DropShadow &dropShadow() { return m_dropShadow; }

private:
  // In local coordinates, after the clip rectangle; a hit area decides
  // instead of the frame.
  bool frameHit(math::Vector2 screen, const math::Rectangle &rectangle, bool outside) const;

  math::Vector2 m_size;
  math::Color m_colorLight;
  math::Color m_colorMedium;
  math::Color m_colorDark;
  float m_width = 1.0f;
  bool m_centered = true;
  bool m_outside = true;
  bool m_bevel = true;
  bool m_draggable = false;
  PageDrag m_drag;
  DropShadow m_dropShadow;
};

} // namespace GUI
