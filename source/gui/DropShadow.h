#pragma once
// The shadow a panel casts: its rectangle again, moved and in a translucent
// colour, drawn first. Boxes and borders carry one.

#include "math/Color.h"
#include "math/Vector2.h"

namespace math {
class Rectangle;
}
namespace quip {
class Dictionary;
}
namespace video {
class Canvas;
}

namespace GUI {

struct DropShadow {
  bool enabled = false;
  math::Vector2 offset{4.0f, -4.0f};
  math::Color color{0.0f, 0.0f, 0.0f, 0.3f};

  // "enabled", "position", "color".
  void load(const quip::Dictionary &dictionary);
  // The rectangle filled moved by the offset; nothing when not enabled.
  void draw(video::Canvas &canvas, const math::Rectangle &rectangle) const;
};

} // namespace GUI
