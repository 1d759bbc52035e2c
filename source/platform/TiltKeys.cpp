#include "platform/TiltKeys.h"

namespace platform {

namespace {
bool g_enabled = false;
bool g_left = false, g_right = false, g_up = false, g_down = false;
int g_axes[2] = {0, 0};

void pushAxis(int axis, int value) {
  SDL_Event event = {};
  event.type = SDL_JOYAXISMOTION;
  event.jaxis.which = 0;
  event.jaxis.axis = Uint8(axis);
  event.jaxis.value = Sint16(value);
  SDL_PushEvent(&event);
}

void update(int axis, int value) {
  if (g_axes[axis] == value)
    return;
  g_axes[axis] = value;
  pushAxis(axis, value);
}
} // namespace

void setTiltKeysEnabled(bool enabled) {
  g_enabled = enabled;
  g_left = g_right = g_up = g_down = false;
  g_axes[0] = g_axes[1] = 0;
}

bool tiltKeysEnabled() { return g_enabled; }

bool tiltFromKey(const SDL_KeyboardEvent &event) {
  if (!g_enabled)
    return false;
  bool down = event.type == SDL_KEYDOWN;
  switch (event.keysym.sym) {
  case SDLK_LEFT:
    g_left = down;
    break;
  case SDLK_RIGHT:
    g_right = down;
    break;
  case SDLK_UP:
    g_up = down;
    break;
  case SDLK_DOWN:
    g_down = down;
    break;
  default:
    return false;
  }
  update(0, (int(g_right) - int(g_left)) * TiltAxisValue);
  // The reading negates axis 1, so tilting up sends a negative value.
  update(1, (int(g_down) - int(g_up)) * TiltAxisValue);
  return true;
}

} // namespace platform
