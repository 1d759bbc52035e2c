// The camera's eased moves and the tracking that keeps the ball inside the
// window's margins.

#include "engine/Ball.h"
#include "engine/Level.h"
#include "math/Plane.h"
#include "math/Segment.h"
#include "video/Window.h"

#include <cmath>

namespace {

// Space kept for the score bar along the window's low edge.
constexpr float scoreBarMargin = 20.0f;

float clampTo(float value, float low, float high) {
  value = value < high ? value : high;
  return value > low ? value : low;
}

} // namespace

void Level::moveCamera(const math::Vector3 &from, const math::Vector3 &to, float duration,
                       bool moveXY) {
  m_cameraMove.from = from;
  m_cameraMove.to = to;
  m_cameraMove.duration = duration;
  m_cameraMove.elapsed = 0.0f;
  m_cameraMove.moveXY = moveXY;
  m_cameraMove.moveZ = true;
}

void Level::cameraBack() {
  const math::Vector3 &at = m_camera.position();
  if (m_fitsOnScreen)
    moveCamera(at, cameraHome(), 1.0f, true);
  else
    moveCamera(at, math::Vector3(at.x, at.y, cameraHeight), 1.0f, false);
}

void Level::stepCameraMove(float dt) {
  CameraMove &move = m_cameraMove;
  if (!move.moveXY && !move.moveZ)
    return;
  move.elapsed += dt;
  const bool done = move.elapsed >= move.duration;
  math::Vector3 point = move.to;
  if (!done) {
    const float ease =
        0.5f + 0.5f * std::cos(float(M_PI) * move.elapsed / move.duration + float(M_PI));
    point = move.from + (move.to - move.from) * ease;
  }
  math::Vector3 position = m_camera.position();
  if (move.moveXY) {
    position.x = point.x;
    position.y = point.y;
  }
  if (move.moveZ)
    position.z = point.z;
  m_camera.setPosition(position);
  refreshVisibleRectangle();
  refreshSpriteSize();
  if (done)
    move.moveXY = move.moveZ = false;
}

void Level::trackCamera() {
  if (m_fitsOnScreen || m_cameraMove.moveXY || (m_state != BALL_INTRO && m_state != PLAYING))
    return;
  const math::Vector3 ball = m_ball->atomPosition();
  const math::Vector2 size = video::Window::screenSize();
  math::Vector2 pixel = m_camera.projectToPixel(ball);
  pixel.x = clampTo(pixel.x, m_cameraMargins.x, size.x - m_cameraMargins.x);
  pixel.y = clampTo(pixel.y, m_cameraMargins.y + scoreBarMargin, size.y - m_cameraMargins.y);
  const math::Plane plane(ball, math::Vector3(0.0f, 0.0f, 1.0f));
  math::Vector3 hit, direction;
  float distance;
  // A pick line that misses the ball's plane leaves the camera for this
  // frame.
  if (!m_camera.pickLineAtPixel(pixel).intersectPlane(plane, hit, direction, distance))
    return;
  math::Vector3 shift = ball - hit;
  shift.z = 0.0f;
  m_camera.setPosition(m_camera.position() + shift);
  refreshVisibleRectangle();
  refreshSpriteSize();
}
