#include "engine/SparkSystem.h"

#include "engine/Spark.h"
#include "engine/SparkListener.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "video/Canvas.h"

namespace video {

namespace {

// Position, age, direction and the arrived flag.
constexpr uint32_t sparkRecordBytes = 3 * 4 + 4 + 3 * 4 + 1;

} // namespace

SparkSystem::~SparkSystem() { clear(); }

void SparkSystem::clear() {
  for (Spark *spark : m_sparks)
    delete spark;
  m_sparks.clear();
}

void SparkSystem::emit(unsigned count, const math::Vector3 &at) {
  for (unsigned i = 0; i < count; ++i)
    m_sparks.push(new Spark(this, at));
}

void SparkSystem::update(float dt) {
  uint32_t i = 0;
  while (i < m_sparks.size()) {
    Spark *spark = m_sparks[i];
    if (!spark->update(dt)) {
      ++i;
      continue;
    }
    for (SparkListener *listener : m_listeners)
      listener->onSparkArrived(*spark);
    delete m_sparks.removeAt(i);
  }
}

void SparkSystem::render(Canvas &canvas, float spriteSize) {
  if (m_sparks.isEmpty())
    return;
  if (!m_passReady) {
    m_pass.color = math::Color(1.0f, 1.0f, 1.0f, 0.75f);
    // Sprites of the level take no lighting.
    m_pass.lit = false;
    m_passReady = true;
  }
  if (!m_pass.texture)
    if (const Database *database = Database::current())
      m_pass.setTextureByName(*database, SYM(L"sparkle"));
  m_points.clear();
  for (const Spark *spark : m_sparks) {
    m_points.push(spark->position.x);
    m_points.push(spark->position.y);
  }
  const float size = 2.5f * spriteSize;
  const float attenuation[3] = {1.0f, 0.0f, 0.0f};
  canvas.drawPoints(m_points.data(), int(m_sparks.size()), 2, nullptr, &size, 1, 1.0f, attenuation,
                    m_pass);
}

void SparkSystem::write(file::ByteReceiver &out) const {
  // The count has 16 bits: sparks past that many are not stored.
  const uint32_t count = m_sparks.size() < 0xFFFFu ? m_sparks.size() : 0xFFFFu;
  file::write((unsigned short)count, out);
  for (uint32_t i = 0; i < count; ++i) {
    const Spark *spark = m_sparks[i];
    file::write(spark->position, out);
    file::write(spark->age, out);
    file::write(spark->direction, out);
    file::write(spark->arrived, out);
  }
}

bool SparkSystem::read(file::ByteProducer &in) {
  clear();
  unsigned short count = 0;
  if (in.bytesRemaining() < 2)
    return false;
  file::read(count, in);
  if (in.bytesRemaining() / sparkRecordBytes < count)
    return false;
  for (unsigned i = 0; i < count; ++i) {
    // The new spark draws its random direction before the stored one
    // replaces it, which keeps the random stream in step.
    Spark *spark = new Spark(this, math::Vector3());
    file::read(spark->position, in);
    file::read(spark->age, in);
    file::read(spark->direction, in);
    file::read(spark->arrived, in);
    m_sparks.push(spark);
  }
  if (!in.overrun())
    return true;
  clear();
  return false;
}

} // namespace video
