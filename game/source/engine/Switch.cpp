#include "engine/Switch.h"

#include "billboard/Billboard2D.h"
#include "engine/CellRecord.h"
#include "engine/Engine.h"
#include "engine/GameCategories.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "engine/StateHeader.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "math/Color.h"
#include "video/Canvas.h"

namespace {

// The pad's image and its hit animation are drawn at this scale.
constexpr float lookScale = 2.0f / 15.0f;

} // namespace

Switch::Switch(Level &level) : GameObject(&level) {
  m_geometry.category = CATEGORY_SOLID;
  m_geometry.addContactListener(this);
  level.simulation().addGeometry(&m_geometry);
  setState(READY);
}

Switch::~Switch() { m_owner->simulation().removeGeometry(&m_geometry); }

math::Vector3 Switch::getPosition() const { return m_geometry.transform.translation; }

void Switch::setCell(const math::Vector2i &cell) {
  m_cell = cell;
  m_geometry.transform.translation = Level::cellCentre(cell);
}

void Switch::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == HIT)
    m_armed = false;
}

void Switch::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  if (m_state == READY && !m_touched)
    m_armed = true;
  else if (m_state == HIT && m_stateTime > 1.0f)
    setState(READY);
  m_touched = false;
}

void Switch::onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                       int atomIndex) {
  (void)geometry;
  (void)atomIndex;
  const Engine *engine = m_owner->engine();
  if (!engine || engine->state() != Engine::PLAYING)
    return;
  m_touched = true;
  if (!m_armed || !m_owner->ballFromStructure(structure))
    return;
  m_owner->spawnEffect(SYM(L"switchHit"), getPosition(), 0.1f, math::Color::white,
                       Level::groundEffects());
  queueGameSound(SYM(L"door"));
  m_owner->toggleDoors();
  setState(HIT);
}

void Switch::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  const math::Vector3 at = getPosition();
  if (m_state == READY) {
    static const Symbol pad = SYM(L"switchOff2");
    Billboard2D board(Database::current(), pad);
    if (!board.texture())
      return;
    board.settle();
    board.initialScale = math::Vector2(lookScale, lookScale);
    canvas.pushMatrix();
    canvas.translate(at);
    board.render(canvas);
    canvas.popMatrix();
  } else if (m_state == HIT) {
    static const Symbol hit = SYM(L"laserWallSwitchHit");
    drawSkeleton(canvas, hit, at, m_stateTime, lookScale, math::Color::white);
  }
}

void Switch::writeLevelRecord(file::ByteReceiver &out) const { cellrecord::write(m_cell, out); }

bool Switch::readLevelRecord(file::ByteProducer &in) {
  math::Vector2i cell;
  if (!cellrecord::read(in, cell))
    return false;
  setCell(cell);
  return true;
}

void Switch::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  writeLevelRecord(out);
  file::write(uint8_t(m_armed ? 1 : 0), out);
}

bool Switch::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state, armed;
  float stateTime;
  math::Vector2i cell;
  if (!stateheader::read(in, state, stateTime) || !cellrecord::read(in, cell))
    return false;
  file::read(armed, in);
  if (in.overrun())
    return false;
  // A state no switch has rests ready rather than in no state at all.
  m_state = state <= HIT ? uint32_t(state) : uint32_t(READY);
  m_stateTime = stateTime;
  setCell(cell);
  m_armed = armed != 0;
  return true;
}
