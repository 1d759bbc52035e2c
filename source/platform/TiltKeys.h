#pragma once
// The desktop's stand-in for the phone's tilt: while it is on, the arrow keys
// tilt the device by pushing the axis events that joystick 0 would send, so
// the readings take the same road as the phone's. Left and right tilt along
// x, up and down along y; a released key levels its axis again.

#include <SDL.h>

namespace platform {

void setTiltKeysEnabled(bool enabled);
bool tiltKeysEnabled();

// Half of gravity, the tilt of one held key.
enum { TiltAxisValue = 16384 };

// Given every key event; pushes axis events when the tilt changed. True when
// the event was an arrow key taken for tilt.
bool tiltFromKey(const SDL_KeyboardEvent &event);

} // namespace platform
