#include "engine/SmokeSystem.h"

#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "video/Canvas.h"

#include <cmath>

namespace video {

namespace {

constexpr float puffInterval = 0.1f;
constexpr float growTime = 0.4f;
constexpr float lifetime = 1.0f;
constexpr float halfPi = 1.5707963f;

// A point, a size, an age and a colour; after the puffs, the emitting flag
// and the emit timer.
constexpr uint32_t puffRecordBytes = 2 * 4 + 4 + 4 + 4;
constexpr uint32_t tailBytes = 1 + 4;

} // namespace

void SmokeSystem::update(float dt, float spriteSize) {
  if (emitting) {
    emitTimer -= dt;
    if (emitTimer <= 0.0f) {
      m_points.push(math::Vector2(position.x, position.y));
      m_sizes.push(0.0f);
      m_ages.push(0.0f);
      m_colours.push(math::PackedColor(255, 255, 255, 255));
      emitTimer = puffInterval;
    }
  }
  uint32_t i = 0;
  while (i < m_ages.size()) {
    const float age = m_ages[i] += dt;
    if (age >= lifetime) {
      removePuff(i);
      continue;
    }
    m_sizes[i] = age < growTime ? spriteSize * std::sin((age / growTime) * halfPi) : spriteSize;
    m_colours[i].a = (unsigned char)((1.0f - age) * 255.0f);
    ++i;
  }
}

void SmokeSystem::removePuff(uint32_t i) {
  m_points.removeAt(i);
  m_sizes.removeAt(i);
  m_ages.removeAt(i);
  m_colours.removeAt(i);
}

void SmokeSystem::render(Canvas &canvas) {
  if (m_points.isEmpty())
    return;
  if (!m_pass.texture) {
    // Sprites of the level take no lighting.
    m_pass.lit = false;
    if (const Database *database = Database::current())
      m_pass.setTextureByName(*database, SYM(L"smoke"));
  }
  const float attenuation[3] = {1.0f, 0.0f, 0.0f};
  canvas.drawPoints(&m_points[0].x, int(m_points.size()), 2,
                    reinterpret_cast<const uint8_t *>(m_colours.data()), m_sizes.data(),
                    int(m_sizes.size()), 1.0f, attenuation, m_pass);
}

void SmokeSystem::clear() {
  m_points.clear();
  m_sizes.clear();
  m_ages.clear();
  m_colours.clear();
  emitTimer = 0.0f;
}

void SmokeSystem::write(file::ByteReceiver &out) const {
  const uint32_t count = m_points.size() < 0xFFFFu ? m_points.size() : 0xFFFFu;
  file::write((unsigned short)count, out);
  for (uint32_t i = 0; i < count; ++i)
    file::write(m_points[i], out);
  for (uint32_t i = 0; i < count; ++i)
    file::write(m_sizes[i], out);
  for (uint32_t i = 0; i < count; ++i)
    file::write(m_ages[i], out);
  for (uint32_t i = 0; i < count; ++i)
    out.receiveBytes(&m_colours[i], 4);
  file::write(emitting, out);
  file::write(emitTimer, out);
}

bool SmokeSystem::read(file::ByteProducer &in) {
  clear();
  unsigned short count = 0;
  if (in.bytesRemaining() < 2)
    return false;
  file::read(count, in);
  if (uint64_t(count) * puffRecordBytes + tailBytes > in.bytesRemaining())
    return false;
  for (unsigned i = 0; i < count; ++i) {
    math::Vector2 p;
    file::read(p, in);
    m_points.push(p);
  }
  for (unsigned i = 0; i < count; ++i) {
    float size;
    file::read(size, in);
    m_sizes.push(size);
  }
  for (unsigned i = 0; i < count; ++i) {
    float age;
    file::read(age, in);
    m_ages.push(age);
  }
  for (unsigned i = 0; i < count; ++i) {
    math::PackedColor colour;
    in.produceBytes(&colour, 4);
    m_colours.push(colour);
  }
  file::read(emitting, in);
  file::read(emitTimer, in);
  if (!in.overrun())
    return true;
  clear();
  return false;
}

} // namespace video
