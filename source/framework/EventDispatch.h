#pragma once
// The event translator: every SDL event the main loop pumps comes here and
// becomes framework terms. Window activity, quit, resize and expose act at
// once; keys and the mouse become input records (only once loading has
// finished); joystick 0's axes feed the accelerometer; the platform's user
// events carry location results to the location service.

#include <SDL.h>

namespace framework {

void dispatchEvent(const SDL_Event &event);

} // namespace framework
