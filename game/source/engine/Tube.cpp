#include "engine/Tube.h"

#include "engine/Ball.h"
#include "engine/Engine.h"
#include "engine/GameCategories.h"
#include "engine/Level.h"
#include "engine/Spline2DGeometry.h"

namespace {

const math::Vector3 boxOffset(0.0f, Tube::boxHalfDepth, 0.0f);
const math::Vector3 boxExtents(Tube::boxHalfWidth, Tube::boxHalfDepth, Tube::boxHalfWidth);

void makeBox(physics::Box &box, Tube &tube) {
  box.center = boxOffset;
  box.extents = boxExtents;
  box.category = CATEGORY_SOLID;
  box.addContactListener(&tube);
}

} // namespace

Tube::Tube(Level &level) : GameObject(&level), m_wall(new Spline2DGeometry(m_path)) {
  m_wall->halfWidth = halfWidth;
  m_wall->category = CATEGORY_WALL;
  makeBox(m_mouth, *this);
  makeBox(m_exit, *this);
  // No path yet: nothing to collide with.
  m_wall->enabled = m_mouth.enabled = m_exit.enabled = false;
  physics::Simulation &simulation = level.simulation();
  simulation.addGeometry(m_wall);
  simulation.addGeometry(&m_mouth);
  simulation.addGeometry(&m_exit);
  m_ribbonPass.cull = false;
  m_ribbonPass.depthTest = false;
  m_ribbonPass.depthWrite = false;
  m_ribbonPass.lineWidthStart = m_ribbonPass.lineWidthEnd = 2.0f * Level::cellSize;
  m_ribbonPass.tScale = 10.0f;
  setState(IDLE);
}

Tube::~Tube() {
  physics::Simulation &simulation = m_owner->simulation();
  simulation.removeGeometry(&m_exit);
  simulation.removeGeometry(&m_mouth);
  simulation.removeGeometry(m_wall);
  delete m_wall;
}

math::Vector3 Tube::getPosition() const {
  return math::Vector3(m_bounds.x + 0.5f * m_bounds.width, m_bounds.y + 0.5f * m_bounds.height,
                       0.0f);
}

math::Box3D Tube::viewBox() const {
  return math::Box3D(getPosition(), math::Vector3(0.5f * m_bounds.width + Level::cellSize,
                                                  0.5f * m_bounds.height + Level::cellSize, 0.0f));
}

math::Vector2 Tube::releasePoint() const {
  const uint32_t n = m_path.controlPointCount();
  const math::Vector2 exit = m_path.controlPoint(int(n) - 2);
  math::Vector2 d = m_path.controlPoint(int(n) - 1) - exit;
  d.normalize();
  return exit + d * (2.0f * boxHalfDepth + m_owner->ball().atom().radius);
}

void Tube::onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure, int) {
  if (geometry != &m_mouth || !hasPath())
    return;
  const Engine *engine = m_owner->engine();
  if (!engine || engine->state() != Engine::PLAYING)
    return;
  Ball *ball = m_owner->ballFromStructure(structure);
  // A dying or tarred ball stays where it is.
  if (!ball || !ball->isPlaying())
    return;
  const math::Vector3 local = m_mouth.transform.applyInverse(ball->atomPosition());
  if (local.x >= -boxHalfWidth && local.x <= boxHalfWidth && local.y >= -boxHalfDepth)
    setState(ENTERING);
}

void Tube::startLeg(const math::Vector2 &to) {
  const math::Vector3 ball = m_owner->ball().atomPosition();
  m_travelStart = math::Vector2(ball.x, ball.y);
  m_travelEnd = to;
  m_travelLength = (m_travelEnd - m_travelStart).length();
  m_legPending = false;
}

void Tube::resumeLeg(const math::Vector2 &to) {
  const math::Vector3 ball = m_owner->ball().atomPosition();
  const math::Vector2 at(ball.x, ball.y);
  math::Vector2 d = to - at;
  const float remaining = d.normalize();
  // The time already in the state counts as gone before the ball.
  const float gone = m_stateTime * speed;
  m_travelStart = at - d * gone;
  m_travelEnd = to;
  m_travelLength = remaining + gone;
  m_legPending = false;
}

math::Vector2 Tube::legDirection() const {
  if (!(m_travelLength > 0.0f))
    return math::Vector2();
  return (m_travelEnd - m_travelStart) * (1.0f / m_travelLength);
}

void Tube::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == ENTERING) {
    m_owner->ball().teleportBegin();
    startLeg(m_path.controlPoint(1));
  } else if (state == LEAVING) {
    startLeg(releasePoint());
  }
}

void Tube::placeBall(const math::Vector2 &at) {
  m_owner->ball().setPosition(math::Vector3(at.x, at.y, 0.0f));
}

void Tube::update(float dt) {
  if (m_state == IDLE || m_state == UNSET)
    return;
  if (!hasPath()) {
    // Only a saved game brings a tube without a path here: the ball goes
    // free where it is.
    if (m_owner->ball().state() == Ball::TELEPORTING)
      m_owner->ball().teleportEnd();
    setState(IDLE);
    return;
  }
  if (m_legPending)
    resumeLeg(m_state == ENTERING ? m_path.controlPoint(1) : releasePoint());
  m_stateTime += dt;
  const float gone = m_stateTime * speed;
  // A leg's last frame stops at its end.
  const float onLeg = gone < m_travelLength ? gone : m_travelLength;
  switch (m_state) {
  case ENTERING:
    placeBall(m_travelStart + legDirection() * onLeg);
    if (gone >= m_travelLength)
      setState(TRAVELLING);
    break;
  case TRAVELLING:
    placeBall(m_path.pointAtDistance(gone));
    if (gone > m_path.length())
      setState(LEAVING);
    break;
  case LEAVING: {
    const math::Vector2 d = legDirection();
    placeBall(m_travelStart + d * onLeg);
    if (gone >= m_travelLength) {
      Ball &ball = m_owner->ball();
      // The physics takes a velocity as one step's move.
      ball.atom().setVelocity(math::Vector3(d.x, d.y, 0.0f) * (dt * speed));
      ball.teleportEnd();
      setState(IDLE);
    }
    break;
  }
  default:
    break;
  }
}
