#pragma once
// The 2-D look of a thing at one moment: colour, scale, translation and
// rotation (degrees). Evaluating an animation definition gives one; the
// canvas applies it.

#include "math/Color.h"
#include "math/Vector2.h"

namespace quip {
class Dictionary;
}

namespace video {
class Canvas;
}

namespace animation {

struct AnimationState {
  math::Color color;
  math::Vector2 scale{1.0f, 1.0f};
  math::Vector2 translation;
  float rotation = 0.0f;

  void reset() { *this = AnimationState(); }
  bool operator==(const AnimationState &o) const {
    return color == o.color && scale.x == o.scale.x && scale.y == o.scale.y &&
           translation.x == o.translation.x && translation.y == o.translation.y &&
           rotation == o.rotation;
  }
  bool operator!=(const AnimationState &o) const { return !(*this == o); }

  // Pushes the colour and the transform it changes; unapply pops them.
  void apply(video::Canvas &canvas) const;
  void unapply(video::Canvas &canvas) const;

  // "color", "scale", "translation" and "rotation", each only when it is not
  // the default; load reads those present.
  void save(quip::Dictionary &dictionary) const;
  void load(const quip::Dictionary &dictionary);
};

} // namespace animation
