#include "engine/Splatter.h"

#include "engine/RecordPool.h"
#include "math/Random.h"

#include <cmath>

namespace {

// Against the level's sprite size.
constexpr float splashSize = 1.25f;

} // namespace

Splatter::Splatter() {
  static const Symbol images[imageCount] = {SYM(L"splatter0"), SYM(L"splatter1"), SYM(L"splatter2"),
                                            SYM(L"splatter3"), SYM(L"splatter4"), SYM(L"splatter5"),
                                            SYM(L"splatter6")};
  for (uint32_t i = 0; i < imageCount; ++i)
    m_batches[i] = new SpriteBatch(images[i]);
}

Splatter::~Splatter() {
  for (SpriteBatch *batch : m_batches)
    delete batch;
}

void Splatter::add(const math::Vector2 &position, const math::Color &color) {
  bool appended;
  SplatterDrop *drop = &reuseRecord(m_drops, appended);
  // Each image's batch can take every record: drawing never grows it.
  if (appended)
    for (SpriteBatch *batch : m_batches)
      batch->reserve(m_drops.size());
  drop->position = position;
  drop->color = color;
  drop->texture = uint32_t(Random::globalNext()) % imageCount;
  drop->age = 0.0f;
  drop->active = true;
}

void Splatter::update(float dt) {
  for (SplatterDrop &d : m_drops) {
    if (!d.active)
      continue;
    d.age += dt;
    if (d.age >= lifetime)
      d.active = false;
  }
}

float Splatter::fade(float age) {
  if (age < fadeStart)
    return 1.0f;
  if (age >= lifetime)
    return 0.0f;
  return 1.0f - (age - fadeStart) / (lifetime - fadeStart);
}

float Splatter::pop(float age) {
  if (age >= popTime)
    return 1.0f;
  return 0.7f + 0.3f * std::sin(age / popTime * float(M_PI) / 2.0f);
}

void Splatter::render(video::Canvas &canvas, float spriteSize) {
  for (const SplatterDrop &d : m_drops) {
    if (!d.active)
      continue;
    math::Color colour = d.color;
    colour.a *= fade(d.age);
    m_batches[d.texture]->add(d.position, colour, pop(d.age) * splashSize);
  }
  for (SpriteBatch *batch : m_batches)
    batch->draw(canvas, spriteSize);
}
