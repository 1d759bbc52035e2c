#pragma once
// A widget the user drags by its first child, the handle, within optional
// limits on x and y.

#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class DragWidget : public Widget {
public:
  // Replaces the base's routing: presses on the handle start a drag, and
  // every other event goes to the handle alone.
  bool handleEvent(const framework::InputEvent &event) override;
  // "minX", "maxX", "minY", "maxY": a missing key turns that limit off. The
  // first child becomes the handle.
  void load(const quip::Dictionary &dictionary) override;
  void onChildRemoved(Widget *child) override;

  Widget *handle() const { return m_handle; }
  void setHandle(Widget *handle) { m_handle = handle; }
  bool dragging() const { return m_dragging; }

  enum Limit { MIN_X, MAX_X, MIN_Y, MAX_Y };
  void setLimit(Limit limit, float value) {
    m_limits[limit] = value;
    m_hasLimit[limit] = true;
  }
  void clearLimit(Limit limit) { m_hasLimit[limit] = false; }

private:
  // The pointer plus the grab offset, limited min then max on each axis.
  void moveTo(math::Vector2 pointer);

  Widget *m_handle = nullptr;
  bool m_dragging = false;
  math::Vector2 m_grabOffset;
  float m_limits[4] = {};
  bool m_hasLimit[4] = {};
};

} // namespace GUI
