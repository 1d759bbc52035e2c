#pragma once
// A scroll bar: a track with a draggable handle and, optionally, an arrow
// at each end. It holds the percent (0 to 1, read from where the handle
// stands) and the visible share, which sets the handle's length; it tells
// one listener of moves and track clicks and runs onMove after a drag.
// Derived kinds supply their own handle and arrows to change the look.

#include "gui/ButtonListener.h"
#include "gui/Widget.h"
#include "quip/Array.h"

namespace GUI {

class SliderArrow;
class SliderHandle;
class SliderListener;

class Slider : public Widget, public ButtonListener {
public:
  enum Alignment { HORIZONTAL = 0, VERTICAL = 1 };

  // Owns the three parts as its children.
  Slider(SliderHandle *handle, SliderArrow *backArrow, SliderArrow *forwardArrow);

  // The reaction to a held arrow.
  virtual void arrowDown(SliderArrow *arrow);
  virtual void drawTrack(video::Canvas &canvas);
  // The handle's size, centred on it.
  virtual math::Rectangle handleRectangle() const;

  // 20 across and twice the extent along the axis, centred.
  math::Rectangle localRectangle() const override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override { drawTrack(canvas); }
  void down(Button *button) override;

  // From the handle's place; 0 without extent or travel.
  float percent() const;
  void setPercent(float percent);
  // Each keeps the percent.
  void setPercentVisible(float visible);
  void setExtent(float extent);
  void setAlignment(int alignment);
  void setListener(SliderListener *listener) { m_listener = listener; }
  void setOnMove(const quip::Array &code) { m_onMove = code; }
  // After every motion of the dragged handle.
  void handleMoved();

  int alignment() const { return m_alignment; }
  float extent() const { return m_extent; }
  float percentVisible() const { return m_percentVisible; }
  bool showArrows() const { return m_showArrows; }
  void setShowArrows(bool show);
  void setFitHandleHitArea(bool fit) { m_fitHandleHitArea = fit; }
  SliderHandle *handle() const { return m_handle; }
  SliderArrow *backArrow() const { return m_backArrow; }
  SliderArrow *forwardArrow() const { return m_forwardArrow; }
  // The arrows' size when shown (and the room they take), else 0.
  float arrowSize() const { return m_showArrows ? 20.0f : 0.0f; }
  float handleLength() const;
  // Half the handle's travel.
  float travel() const;

protected:
  void setArrowDirections();

  int m_alignment = VERTICAL;
  float m_extent = 0;
  float m_percentVisible = 1.0f;
  SliderHandle *m_handle;
  SliderArrow *m_backArrow;
  SliderArrow *m_forwardArrow;
  SliderListener *m_listener = nullptr;
  quip::Array m_onMove;
  bool m_showArrows = true;
  bool m_fitHandleHitArea = true;
};

} // namespace GUI
