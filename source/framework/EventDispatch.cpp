#include "framework/EventDispatch.h"

#include "file/Pdl.h"
#include "framework/Accelerometer.h"
#include "framework/Framework.h"
#include "framework/InputState.h"
#include "framework/LocationDelegate.h"
#include "framework/Shell.h"
#include "platform/TiltKeys.h"
#include "video/Window.h"

namespace framework {

namespace {

// Keys and the mouse count only once loading has finished.
bool loaded() { return Framework::exists() && Framework::instance()->frameStatistics(); }

math::Vector2i toScreen(int x, int y) {
  math::Vector2i device(x, y);
  Shell *shell = Shell::instance();
  return shell ? shell->deviceToScreen(device) : device;
}

math::Vector2i motionToScreen(int dx, int dy) {
  math::Vector2i motion(dx, dy);
  Shell *shell = Shell::instance();
  return shell ? shell->motionToScreen(motion) : motion;
}

void activityChanged(const SDL_ActiveEvent &active) {
  video::Window *window = video::Window::instance();
  if (!window)
    return;
  bool gained = active.gain != 0;
  if (active.state & SDL_APPACTIVE)
    window->setIconified(!gained);
  if (active.state & SDL_APPINPUTFOCUS) {
    window->setActive(gained);
    InputState::instance().setEnabled(gained);
    if (Framework::exists())
      Framework::instance()->focusChanged(gained);
  }
}

void resized(const SDL_ResizeEvent &resize) {
  math::Vector2i size(resize.w, resize.h);
  if (Shell *shell = Shell::instance())
    size = shell->sizeToScreen(size);
  video::Window *window = video::Window::instance();
  if (!window || (window->size().x == size.x && window->size().y == size.y))
    return;
  window->resize(size);
  if (Framework::exists())
    Framework::instance()->windowSizeChanged();
}

void platformEvent(const SDL_UserEvent &user) {
  if (!user.data1)
    return;
  if (user.code == pdl::LocationUpdateCode) {
    Location location = Location::fromPlatform(static_cast<const double *>(user.data1));
    LocationDelegate::instance().notifyLocation(location, Location(), 0);
  } else if (user.code == pdl::LocationErrorCode) {
    int code = *static_cast<const int *>(user.data1);
    LocationDelegate::instance().reportError(locationErrorFromPlatform(code));
  }
}

float now() { return Framework::exists() ? Framework::instance()->totalTime() : 0.0f; }

} // namespace

void dispatchEvent(const SDL_Event &event) {
  InputState &input = InputState::instance();
  switch (event.type) {
  case SDL_ACTIVEEVENT:
    activityChanged(event.active);
    break;
  case SDL_KEYDOWN:
  case SDL_KEYUP:
    platform::tiltFromKey(event.key);
    if (!loaded())
      break;
    if (event.type == SDL_KEYDOWN)
      input.keyDown(event.key.keysym.sym, event.key.keysym.unicode);
    else
      input.keyUp(event.key.keysym.sym);
    break;
  case SDL_MOUSEMOTION:
    if (loaded())
      input.pointerMoved(toScreen(event.motion.x, event.motion.y),
                         motionToScreen(event.motion.xrel, event.motion.yrel), event.motion.which);
    break;
  case SDL_MOUSEBUTTONDOWN:
  case SDL_MOUSEBUTTONUP:
    if (!loaded())
      break;
    if (event.type == SDL_MOUSEBUTTONDOWN)
      input.buttonPressed(toScreen(event.button.x, event.button.y), event.button.button,
                          event.button.which, now());
    else
      input.buttonReleased(toScreen(event.button.x, event.button.y), event.button.button,
                           event.button.which, now());
    break;
  case SDL_JOYAXISMOTION:
    if (event.jaxis.which == 0)
      Accelerometer::instance().axisMoved(event.jaxis.axis, event.jaxis.value);
    break;
  case SDL_QUIT:
    if (Framework::exists() && Framework::instance()->mayQuit())
      Framework::instance()->setQuit(true);
    break;
  case SDL_VIDEORESIZE:
    resized(event.resize);
    break;
  case SDL_VIDEOEXPOSE:
    if (Framework::exists() && Framework::instance()->frameCount() > 0)
      Framework::instance()->render();
    break;
  case SDL_USEREVENT:
    platformEvent(event.user);
    break;
  default:
    break;
  }
}

} // namespace framework
