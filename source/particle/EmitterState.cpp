// An emitter's part of its system's state record: age, charge, the low byte
// of the emitted count, the next slot, the living particles in pool order,
// and the two flags. The writer stores the live count as the next slot, so
// that a reader puts the particles in the first slots.

#include "particle/Emitter.h"

#include "error/Report.h"
#include "file/BinaryPrimitives.h"

namespace {

enum ParticleFlags : uint8_t { ROTATED = 1, SCALED = 2 };

void writeVector(const math::Vector3 &v, bool twoDimensional, file::ByteReceiver &out) {
  file::write(v.x, out);
  file::write(v.y, out);
  if (!twoDimensional)
    file::write(v.z, out);
}

void readVector(math::Vector3 &v, bool twoDimensional, file::ByteProducer &in) {
  file::read(v.x, in);
  file::read(v.y, in);
  v.z = 0.0f;
  if (!twoDimensional)
    file::read(v.z, in);
}

bool fail(const wchar_t *reason) {
  framework::reportError(String(L"Particle system state: ") + reason);
  return false;
}

} // namespace

void Emitter::writeState(file::ByteReceiver &out, bool twoDimensional) const {
  file::write(m_age, out);
  file::write(m_charge, out);
  // At most 128: one byte holds it, as the next slot and as the count.
  uint8_t live = uint8_t(liveCount());
  file::write(uint8_t(uint32_t(m_emitted) & 0xff), out);
  file::write(live, out);
  file::write(live, out);
  for (const Particle &p : m_pool) {
    if (!p.alive)
      continue;
    writeVector(p.location, twoDimensional, out);
    writeVector(p.previousLocation, twoDimensional, out);
    writeVector(p.origin, twoDimensional, out);
    file::write(p.age, out);
    bool rotated = p.rotation != 0.0f;
    bool scaled = p.scale.x != 1.0f || p.scale.y != 1.0f;
    file::write(uint8_t((rotated ? ROTATED : 0) | (scaled ? SCALED : 0)), out);
    if (rotated)
      file::write(p.rotation, out);
    if (scaled)
      file::write(p.scale, out);
  }
  file::write(m_emitting, out);
  file::write(m_finished, out);
}

bool Emitter::readState(file::ByteProducer &in, bool twoDimensional) {
  float age = 0.0f, charge = 0.0f;
  uint8_t emitted = 0, next = 0, live = 0;
  file::read(age, in);
  file::read(charge, in);
  file::read(emitted, in);
  file::read(next, in);
  file::read(live, in);
  if (in.overrun())
    return fail(L"truncated");
  if (live > PoolSize)
    return fail(L"more living particles than a pool holds");
  m_age = age;
  m_charge = charge;
  m_emitted = emitted;
  // A full pool stores 128: the ring index is taken modulo the pool.
  m_nextSlot = next % PoolSize;
  killParticles();
  for (uint32_t i = 0; i < live; ++i) {
    Particle &p = m_pool[i];
    readVector(p.location, twoDimensional, in);
    readVector(p.previousLocation, twoDimensional, in);
    readVector(p.origin, twoDimensional, in);
    file::read(p.age, in);
    uint8_t flags = 0;
    file::read(flags, in);
    p.rotation = 0.0f;
    p.scale = math::Vector2(1.0f, 1.0f);
    if (flags & ROTATED)
      file::read(p.rotation, in);
    if (flags & SCALED)
      file::read(p.scale, in);
    if (in.overrun()) {
      killParticles();
      return fail(L"truncated");
    }
    p.alive = true;
  }
  file::read(m_emitting, in);
  file::read(m_finished, in);
  if (in.overrun())
    return fail(L"truncated");
  return true;
}
