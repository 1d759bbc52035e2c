#include "engine/GroupScoreDrop.h"

#include "file/BinaryPrimitives.h"

void GroupScoreDrop::update(float dt) {
  if (m_dead)
    return;
  m_age += dt;
  if (m_age > animationTime())
    m_dead = true;
}

void GroupScoreDrop::addPoints(const math::Vector3 &where, uint32_t points) {
  (void)where;
  m_points += points;
  m_age = 0.0f;
}

void GroupScoreDrop::write(file::ByteReceiver &out) const {
  file::write(position.x, out);
  file::write(position.y, out);
  file::write(uint16_t(m_group), out);
  file::write(m_points, out);
  file::write(uint8_t(m_dead ? 1 : 0), out);
}

bool GroupScoreDrop::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  float x, y;
  uint16_t group;
  uint32_t points;
  uint8_t dead;
  file::read(x, in);
  file::read(y, in);
  file::read(group, in);
  file::read(points, in);
  file::read(dead, in);
  if (in.overrun())
    return false;
  position = math::Vector3(x, y, 0.0f);
  m_group = group;
  m_points = points;
  m_dead = dead != 0;
  m_age = 0.0f;
  return true;
}
