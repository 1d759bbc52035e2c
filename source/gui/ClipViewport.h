#pragma once
// How clipping containers (the clip area, the scrolled window) clip the
// drawing of their children: their layout rectangle in screen coordinates,
// its corner rounded to whole pixels, pushed on the window's viewport stack
// before the children draw and popped after them. The viewport moves the
// canvas's model matrix to keep window coordinates; the matrix is pushed
// with it and popped after it.

#include "math/Rectangle.h"

namespace video {
class Canvas;
}

namespace GUI {

class Widget;

// The layout rectangle moved to the screen, x and y rounded (halves down).
math::Rectangle screenClipRectangle(const Widget &widget);

class ClipViewport {
public:
  // Nothing without a window; pop then does nothing either.
  void push(video::Canvas &canvas, const math::Rectangle &rectangle);
  void pop(video::Canvas &canvas);

private:
  bool m_pushed = false;
};

} // namespace GUI
