#pragma once
// One input record: made by the input state when a key or mouse event
// arrives, handed to the layers at the next frame, then deleted.

#include "math/Vector2.h"
#include "math/Vector2i.h"

#include <cstdint>

namespace framework {

struct InputEvent {
  enum Kind : uint32_t {
    POINTER_MOTION = 0,
    BUTTON_DOWN = 1,
    BUTTON_UP = 2,
    KEY_DOWN = 4,
    KEY_UP = 5,
    CHARACTER = 6
  };

  // Button bits; only the first three are ever held.
  enum Button : uint32_t {
    BUTTON_LEFT = 1,
    BUTTON_MIDDLE = 2,
    BUTTON_RIGHT = 4,
    BUTTON_WHEEL_DOWN = 8,
    BUTTON_WHEEL_UP = 16
  };

  uint32_t kind = POINTER_MOTION;
  // Screen coordinates, y upward.
  math::Vector2i position;
  // Relative motion (pointer motion only).
  math::Vector2i motion;
  // The key code (key records) or the character code (character records).
  int32_t key = 0;
  uint32_t modifiers = 0;
  // The button that changed (button records).
  uint32_t button = 0;
  // Buttons held after the event.
  uint32_t buttons = 0;
  // 2 for the second press (or release) of a double click.
  uint32_t clicks = 1;
  uint32_t device = 0;

  bool hasButton(uint32_t mask) const { return (buttons & mask) != 0; }
  bool hasModifier(uint32_t mask) const { return (modifiers & mask) != 0; }
};

inline math::Vector2 pointerPosition(const InputEvent &event) {
  return math::Vector2(float(event.position.x), float(event.position.y));
}

inline math::Vector2 motionPosition(const InputEvent &event) {
  return math::Vector2(float(event.motion.x), float(event.motion.y));
}

} // namespace framework
