#pragma once
// Dragging a whole page by one of its widgets (a draggable border, a title
// bar): a left press on the widget brings the page to the front and makes
// the widget its pointer capture; each motion then moves the page by the
// pointer's movement until the release.

namespace framework {
struct InputEvent;
}

namespace GUI {

class Widget;

class PageDrag {
public:
  // Each answers whether it consumed the event.
  bool press(Widget &widget, const framework::InputEvent &event);
  bool move(Widget &widget, const framework::InputEvent &event);
  bool release(Widget &widget);
  // The capture went elsewhere (or the page left): the drag ends.
  void cancel() { m_dragging = false; }

  bool dragging() const { return m_dragging; }

private:
  bool m_dragging = false;
};

} // namespace GUI
