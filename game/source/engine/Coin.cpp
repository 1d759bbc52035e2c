#include "engine/Coin.h"

#include "billboard/Billboard3D.h"
#include "engine/Ball.h"
#include "engine/CellRecord.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "math/Color.h"
#include "video/Canvas.h"

#include <cmath>

namespace {

// The coin image spans 0.9 of a cell.
constexpr float coinSize = 0.9f * Level::cellSize;

} // namespace

Coin::Coin(Level &level) : GameObject(&level) { setState(IDLE); }

void Coin::setCell(const math::Vector2i &cell) {
  m_cell = cell;
  position = Level::cellCentre(cell);
}

void Coin::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == COLLECTED)
    collect();
}

void Coin::emerge(const math::Vector3 &from, const math::Vector2i &cell) {
  position = from;
  m_cell = cell;
  m_home = from;
  m_offset = Level::cellCentre(cell) - from;
  setState(EMERGING);
}

float Coin::distanceSquaredToBall() const {
  return (m_owner->ball().getPosition() - position).lengthSquared();
}

void Coin::collect() {
  m_owner->spawnEffect(SYM(L"coinAcquired"), position, 0.1f, math::Color::white,
                       Level::objectEffects());
  queueGameSound(SYM(L"coin"), 1.5f);
  m_owner->coinCollected();
  m_dead = true;
}

void Coin::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  switch (m_state) {
  case EMERGING:
    if (m_stateTime < emergeTime) {
      constexpr float halfPi = 1.57079632679f;
      position = m_home + m_offset * std::sin(m_stateTime / emergeTime * halfPi);
    } else {
      setState(IDLE);
      position = Level::cellCentre(m_cell);
    }
    break;
  case IDLE:
    if (distanceSquaredToBall() < reach * reach)
      setState(ATTRACTED);
    break;
  case ATTRACTED: {
    m_speed = m_speed + maxSpeed * dt < maxSpeed ? m_speed + maxSpeed * dt : maxSpeed;
    const float step = m_speed * dt;
    math::Vector3 d = m_owner->ball().getPosition() - position;
    if (step * step < d.lengthSquared()) {
      d.normalize();
      position += d * step;
    } else {
      setState(COLLECTED);
    }
    break;
  }
  default:
    break;
  }
}

void Coin::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  if (m_state != IDLE) {
    static const Symbol spin = SYM(L"coinSpin");
    drawSkeleton(canvas, spin, position, m_stateTime, 0.125f, math::Color::white);
    return;
  }
  Billboard3D board(Database::current(), SYM(L"coin"));
  if (!board.texture())
    return;
  board.settle();
  if (!(board.size.x > 0.0f) || !(board.size.y > 0.0f))
    return;
  board.initialScale = math::Vector2(coinSize / board.size.x, coinSize / board.size.y);
  canvas.pushMatrix();
  canvas.translate(position);
  board.render(canvas);
  canvas.popMatrix();
}

void Coin::writeLevelRecord(file::ByteReceiver &out) const { cellrecord::write(m_cell, out); }

bool Coin::readLevelRecord(file::ByteProducer &in) {
  math::Vector2i cell;
  if (!cellrecord::read(in, cell))
    return false;
  setCell(cell);
  return true;
}

void Coin::write(file::ByteReceiver &out) const {
  file::write(uint8_t(m_state), out);
  file::write(m_stateTime, out);
  file::write(position.x, out);
  file::write(position.y, out);
  file::write(position.z, out);
  file::write(m_cell.x, out);
  file::write(m_cell.y, out);
  file::write(m_speed, out);
  file::write(uint8_t(m_dead ? 1 : 0), out);
  file::write(m_home.x, out);
  file::write(m_home.y, out);
  file::write(m_offset.x, out);
  file::write(m_offset.y, out);
}

bool Coin::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state, dead;
  float stateTime, speed;
  math::Vector3 at;
  int32_t column, row;
  math::Vector3 home, offset;
  file::read(state, in);
  file::read(stateTime, in);
  file::read(at.x, in);
  file::read(at.y, in);
  file::read(at.z, in);
  file::read(column, in);
  file::read(row, in);
  file::read(speed, in);
  file::read(dead, in);
  file::read(home.x, in);
  file::read(home.y, in);
  file::read(offset.x, in);
  file::read(offset.y, in);
  if (in.overrun())
    return false;
  // A state no coin has rests idle rather than in no state at all.
  m_state = state <= COLLECTED ? uint32_t(state) : uint32_t(IDLE);
  m_stateTime = stateTime;
  position = at;
  m_cell = math::Vector2i(column, row);
  m_speed = speed;
  m_dead = dead != 0;
  m_home = home;
  m_offset = offset;
  return true;
}
