#pragma once
// A push button that edits the number another widget shows: dragging the
// held button up or down changes it by the motion times a scale, within
// optional bounds; a right click resets it. The target is reached only
// through its dictionary form: "text" and "editable" are read from what it
// writes, and it is loaded again with the new "text" and "entered" true.

#include "gui/PushButton.h"
#include "quip/Array.h"

namespace GUI {

class Scaler : public PushButton {
public:
  Scaler() : m_onMove(0) {}

  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;

  // Not owned. Without a target the scaler edits nothing.
  void setTarget(Widget *target) { m_target = target; }
  Widget *target() const { return m_target; }
  void setScale(float scale) { m_scale = scale; }
  void setMin(float min) {
    m_min = min;
    m_hasMin = true;
  }
  void setMax(float max) {
    m_max = max;
    m_hasMax = true;
  }
  void setOnMove(const quip::Array &code) { m_onMove = code; }

private:
  // The target's dictionary form: whether it may be edited and its number.
  bool readTarget(float &number) const;
  void writeTarget(float number);
  void runOnMove();

  Widget *m_target = nullptr;
  float m_scale = 1.0f;
  bool m_hasMin = false;
  bool m_hasMax = false;
  float m_min = 0;
  float m_max = 0;
  quip::Array m_onMove;
};

} // namespace GUI
