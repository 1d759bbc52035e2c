#include "engine/Chomp.h"

#include "engine/Ball.h"
#include "engine/BoardDrawing.h"
#include "engine/CellRecord.h"
#include "engine/CylinderGeometry.h"
#include "engine/GameCategories.h"
#include "engine/GameSound.h"
#include "engine/HazardRule.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "math/Random.h"

Chomp::Chomp(Level &level) : GameObject(&level), m_geometry(new CylinderGeometry(radius)) {
  m_geometry->category = CATEGORY_SOLID;
  m_geometry->addContactListener(this);
  level.simulation().addGeometry(m_geometry);
  setState(IDLE);
}

Chomp::~Chomp() {
  m_owner->simulation().removeGeometry(m_geometry);
  delete m_geometry;
}

math::Vector3 Chomp::getPosition() const { return m_geometry->transform.translation; }

void Chomp::setCell(const math::Vector2i &cell) {
  m_cell = cell;
  m_geometry->transform.translation = Level::cellCentre(cell);
}

bool Chomp::ballWithin(float range) const {
  return (m_owner->ball().getPosition() - getPosition()).lengthSquared() < range * range;
}

void Chomp::setState(int32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == EXTENDED)
    queueGameSound(SYM(L"chompExtend"), Random::globalFloat(0.75f, 1.25f));
}

void Chomp::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  switch (m_state) {
  case IDLE:
    if (ballWithin(wakeRange))
      setState(EXTENDED);
    break;
  case EXTENDED:
    if (m_stateTime > holdTime && !ballWithin(keepRange))
      setState(RETRACTING);
    break;
  case RETRACTING:
    if (m_stateTime > retractTime)
      setState(IDLE);
    break;
  default:
    break;
  }
}

void Chomp::onContact(physics::WorldGeometry *, physics::Structure3D *structure, int) {
  Ball *ball = ballTouching(*m_owner, structure);
  if (!ball || !ball->isPlaying())
    return;
  m_owner->spawnEffect(SYM(L"chompAttack"), getPosition(), 0.2f, math::Color::white,
                       Level::groundEffects());
  hurtBall(*ball);
  // An extended chomp keeps its hold time.
  setState(EXTENDED);
}

void Chomp::renderLayer(video::Canvas &canvas, uint32_t layer) {
  if (m_dead)
    return;
  static const Symbol looks[3][3] = {
      {SYM(L"chompIdleGlow"), SYM(L"chompIdleBody"), SYM(L"chompIdleEye")},
      {SYM(L"chompExtendedGlow"), SYM(L"chompExtendedBody"), Symbol()},
      {Symbol(), SYM(L"chompRetractBody"), SYM(L"chompRetractEye")}};
  if (m_state < IDLE || m_state > RETRACTING || layer >= layerCount)
    return;
  const math::Vector3 at = getPosition();
  if (m_state == EXTENDED && layer == 2) {
    // The eye looks towards the ball.
    math::Vector3 look = m_owner->ball().getPosition() - at;
    look.z = 0.0f;
    if (look.lengthSquared() > 0.0f)
      look.normalize();
    look = look * (1.0f / 3.0f);
    look.y *= 0.75f;
    BoardLook dot;
    dot.factor = 0.02f;
    dot.colour = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
    static const Symbol eye = SYM(L"dot");
    drawBoard(canvas, eye, at + math::Vector3(0.0f, 0.5f, 0.0f) + look, dot);
    return;
  }
  const Symbol name = looks[m_state][layer];
  if (name.isEmpty())
    return;
  drawSkeleton(canvas, name, at, m_stateTime, m_state == EXTENDED ? 0.125f : 0.1f,
               math::Color::white);
}

void Chomp::write(file::ByteReceiver &out) const { cellrecord::write(m_cell, out); }

bool Chomp::read(file::ByteProducer &in) {
  math::Vector2i cell;
  if (!cellrecord::read(in, cell))
    return false;
  setCell(cell);
  return true;
}
