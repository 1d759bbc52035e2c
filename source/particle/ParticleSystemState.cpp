// The binary state record of a running particle system: its position, each
// emitter's state with its living particles, then a flags byte and the
// settings that differ from the defaults.

#include "particle/ParticleSystem.h"

#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "math/ColorBinary.h"
#include "particle/Emitter.h"

namespace {

enum Flags : uint8_t {
  AXIS = 1,
  ANGLE = 2,
  ACTIVE = 4,
  MOVE_PARTICLES = 8,
  COLOR = 16,
  SCALE = 32,
  ALIGNMENT = 64
};

const math::Vector3 DefaultAxis(0.0f, 0.0f, -1.0f);
const math::Vector3 UnitScale(1.0f, 1.0f, 1.0f);

} // namespace

void ParticleSystem::writeState(file::ByteReceiver &out, bool twoDimensional) const {
  const math::Vector3 &p = Spatial3D::position;
  file::write(p.x, out);
  file::write(p.y, out);
  if (!twoDimensional)
    file::write(p.z, out);
  for (const Emitter *emitter : m_emitters)
    emitter->writeState(out, twoDimensional);
  uint8_t flags = 0;
  if (m_rotationAxis != DefaultAxis)
    flags |= AXIS;
  if (m_rotationAngle != 0.0f)
    flags |= ANGLE;
  if (m_active)
    flags |= ACTIVE;
  if (moveParticles)
    flags |= MOVE_PARTICLES;
  if (!(color == math::Color::white))
    flags |= COLOR;
  if (scale != UnitScale)
    flags |= SCALE;
  if (billboardAlignment != 0)
    flags |= ALIGNMENT;
  file::write(flags, out);
  if (flags & AXIS)
    file::write(m_rotationAxis, out);
  if (flags & ANGLE)
    file::write(m_rotationAngle, out);
  if (flags & COLOR)
    file::write(color, out);
  if (flags & SCALE)
    file::write(scale, out);
  if (flags & ALIGNMENT)
    file::write(uint8_t(billboardAlignment), out);
}

bool ParticleSystem::readState(file::ByteProducer &in, bool twoDimensional) {
  math::Vector3 p;
  file::read(p.x, in);
  file::read(p.y, in);
  if (!twoDimensional)
    file::read(p.z, in);
  if (in.overrun()) {
    framework::reportError(L"Particle system state: truncated");
    return false;
  }
  setPosition(p);
  for (Emitter *emitter : m_emitters)
    if (!emitter->readState(in, twoDimensional))
      return false;
  uint8_t flags = 0;
  file::read(flags, in);
  math::Vector3 axis = DefaultAxis;
  float angle = 0.0f;
  math::Color tint = math::Color::white;
  math::Vector3 size = UnitScale;
  uint8_t alignment = 0;
  if (flags & AXIS)
    file::read(axis, in);
  if (flags & ANGLE)
    file::read(angle, in);
  if (flags & COLOR)
    file::read(tint, in);
  if (flags & SCALE)
    file::read(size, in);
  if (flags & ALIGNMENT)
    file::read(alignment, in);
  if (in.overrun()) {
    framework::reportError(L"Particle system state: truncated");
    return false;
  }
  m_rotationAxis = axis;
  m_rotationAngle = angle;
  m_active = (flags & ACTIVE) != 0;
  moveParticles = (flags & MOVE_PARTICLES) != 0;
  color = tint;
  scale = size;
  billboardAlignment = alignment;
  return true;
}
