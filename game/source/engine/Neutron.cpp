#include "engine/Neutron.h"

#include "file/BinaryPrimitives.h"

#include <cmath>

void Neutron::update(float dt) {
  if (m_dead)
    return;
  m_age += dt;
  // A saved age that is no number ends the neutron too.
  if (!(m_age < lifetime)) {
    m_dead = true;
    return;
  }
  m_velocity *= std::pow(0.3f, dt);
  m_position += m_velocity * dt;
}

math::Vector3 Neutron::getPosition() const {
  return math::Vector3(m_position.x, m_position.y, 0.0f);
}

void Neutron::launch(const math::Vector2 &position, const math::Vector2 &velocity, unsigned colour,
                     unsigned source) {
  m_position = position;
  m_velocity = velocity;
  m_colorIndex = uint8_t(colour);
  m_source = uint16_t(source);
}

void Neutron::stop() {
  m_stopped = true;
  m_velocity = math::Vector2();
}

float Neutron::opacity() const {
  if (m_age < opaqueTime)
    return 1.0f;
  if (m_age >= lifetime)
    return 0.0f;
  return 1.0f - (m_age - opaqueTime) / (lifetime - opaqueTime);
}

void Neutron::write(file::ByteReceiver &out) const {
  file::write(m_position.x, out);
  file::write(m_position.y, out);
  file::write(m_age, out);
  file::write(m_velocity.x, out);
  file::write(m_velocity.y, out);
  file::write(m_colorIndex, out);
  file::write(m_source, out);
  file::write(uint8_t(m_stopped ? 1 : 0), out);
  file::write(uint8_t(m_dead ? 1 : 0), out);
}

bool Neutron::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  math::Vector2 position, velocity;
  float age;
  uint8_t colour, stopped, dead;
  uint16_t source;
  file::read(position.x, in);
  file::read(position.y, in);
  file::read(age, in);
  file::read(velocity.x, in);
  file::read(velocity.y, in);
  file::read(colour, in);
  file::read(source, in);
  file::read(stopped, in);
  file::read(dead, in);
  if (in.overrun())
    return false;
  m_position = position;
  m_age = age;
  m_velocity = velocity;
  m_colorIndex = colour;
  m_source = source;
  m_stopped = stopped != 0;
  if (dead != 0)
    m_dead = true;
  return true;
}
