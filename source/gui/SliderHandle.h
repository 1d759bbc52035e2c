#pragma once
// The draggable part of a slider, limited to the slider's track.

#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class Slider;

class SliderHandle : public Widget {
public:
  SliderHandle();

  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void draw(video::Canvas &canvas) override;
  // The capture went elsewhere: the drag ends.
  void refreshPointerState() override { m_dragging = false; }

  Slider *slider() const { return m_slider; }
  void setSlider(Slider *slider) { m_slider = slider; }
  bool dragging() const { return m_dragging; }
  // Also the handle's hit area.
  math::Rectangle &rectangle() { return *m_rectangle; }
  const math::Rectangle &rectangle() const { return *m_rectangle; }
  void setLimits(float minX, float maxX, float minY, float maxY);

protected:
  Slider *m_slider = nullptr;
  bool m_dragging = false;
  // Owned as the hit area.
  math::Rectangle *m_rectangle;
  math::Vector2 m_grabPoint;
  float m_minX = 0, m_maxX = 0, m_minY = 0, m_maxY = 0;
};

} // namespace GUI
