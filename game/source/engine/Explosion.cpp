#include "engine/Explosion.h"

#include "engine/Block.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "file/BinaryPrimitives.h"

#include <cmath>

float Explosion::radius() const {
  constexpr float halfPi = 1.57079632679f;
  const float share = m_age / lifetime < 1.0f ? m_age / lifetime : 1.0f;
  return maxRadius * std::sin(share * halfPi);
}

void Explosion::update(float dt) {
  if (m_dead)
    return;
  m_age += dt;
  if (m_owner->state() == Level::PLAYING)
    blastBlocks();
  // A saved age that is no number ends the wave too.
  if (!(m_age < lifetime))
    m_dead = true;
}

void Explosion::blastBlocks() {
  const float r = radius();
  if (!(r > 0.0f))
    return;
  math::Vector2i low, high;
  Level::cellRange(position - math::Vector3(r, r, 0.0f), position + math::Vector3(r, r, 0.0f), low,
                   high);
  if (!m_owner->clipToGrid(low, high))
    return;
  const BlockGrid &grid = m_owner->blockGrid();
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row) {
      Block *block = grid.blockAt(column, row);
      if (!block || block->isDead() || block->group() != 0 || !block->isNormalOrStone())
        continue;
      math::Vector3 d = block->getPosition() - position;
      d.z = 0.0f;
      if (d.lengthSquared() < r * r)
        block->blastFrom(m_group, position);
    }
}

void Explosion::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  static const Symbol wave = SYM(L"bombShockwave");
  drawSkeleton(canvas, wave, position, m_age, 1.0f / 7.0f, math::Color::white);
}

void Explosion::write(file::ByteReceiver &out) const {
  file::write(position.x, out);
  file::write(position.y, out);
  file::write(m_age, out);
  file::write(uint8_t(m_color), out);
  file::write(uint16_t(m_group), out);
  file::write(uint8_t(m_dead ? 1 : 0), out);
}

bool Explosion::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  float x, y, age;
  uint8_t colour, dead;
  uint16_t group;
  file::read(x, in);
  file::read(y, in);
  file::read(age, in);
  file::read(colour, in);
  file::read(group, in);
  file::read(dead, in);
  if (in.overrun())
    return false;
  position = math::Vector3(x, y, 0.0f);
  m_age = age;
  m_color = colour;
  m_group = group;
  m_dead = dead != 0;
  return true;
}
