// A tap on the level pauses the game.

#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/PageCalls.h"
#include "engine/Tumblix.h"
#include "input/InputEvent.h"
#include "video/Window.h"

namespace {

// Taps this close to the window's edges are left to the pages there.
constexpr float edge = 50.0f;
// Seconds of play after a pause before a tap pauses again.
constexpr float settleTime = 3.0f;

} // namespace

bool Level::handleEvent(const framework::InputEvent &event) {
  if (event.kind != framework::InputEvent::BUTTON_DOWN ||
      (m_state != BALL_INTRO && m_state != PLAYING && m_state != SHAKE_OFF && m_state != BALL_LOST))
    return false;
  if (!Tumblix::exists() || !(Tumblix::instance()->resumeTime() > settleTime))
    return false;
  const math::Vector2 size = video::Window::screenSize();
  const math::Vector2 at = framework::pointerPosition(event);
  if (at.x >= edge && at.x <= size.x - edge && at.y >= edge && at.y <= size.y - edge) {
    queueGameSound(SYM(L"click"));
    enterPage(SYM(L"pause"));
  }
  return false;
}
