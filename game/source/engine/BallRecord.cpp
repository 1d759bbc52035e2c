// The ball's record in the level's snapshot.

#include "engine/Ball.h"
#include "file/BinaryPrimitives.h"

namespace {

// Position, region, state, state time, moving flag, control time, power,
// power time, bomb anchor, invulnerable time.
constexpr uint32_t fieldBytes = 12 + 2 + 1 + 4 + 1 + 4 + 1 + 4 + 12 + 4;

} // namespace

void Ball::write(file::ByteReceiver &out) const {
  file::write(atomPosition(), out);
  file::write(uint16_t(m_regionIndex), out);
  file::write(uint8_t(m_state), out);
  file::write(m_stateTime, out);
  file::write(atom().pinned == 0, out);
  file::write(m_controlTime, out);
  file::write(uint8_t(m_power), out);
  file::write(m_powerTime, out);
  file::write(m_bombAnchor, out);
  file::write(m_invulnerableTime, out);
  m_sparks.write(out);
  m_trail.write(out);
}

bool Ball::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < fieldBytes)
    return false;
  math::Vector3 position, anchor;
  uint16_t region;
  uint8_t state, power;
  float stateTime, controlTime, powerTime, invulnerableTime;
  bool moving;
  file::read(position, in);
  file::read(region, in);
  file::read(state, in);
  file::read(stateTime, in);
  file::read(moving, in);
  file::read(controlTime, in);
  file::read(power, in);
  file::read(powerTime, in);
  file::read(anchor, in);
  file::read(invulnerableTime, in);
  if (in.overrun() || state > COMPLETE || power > NO_POWER)
    return false;
  setPosition(position);
  m_regionIndex = region;
  m_state = state;
  m_stateTime = stateTime;
  atom().pinned = moving ? 0 : 1;
  m_controlTime = controlTime;
  m_power = power;
  m_powerTime = powerTime;
  m_bombAnchor = anchor;
  m_invulnerableTime = invulnerableTime;
  updateCollisionMasks();
  return m_sparks.read(in) && m_trail.read(in);
}
