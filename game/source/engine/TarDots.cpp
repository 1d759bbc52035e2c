#include "engine/TarDots.h"

#include "engine/RecordPool.h"
#include "math/Color.h"

#include <cmath>

namespace {

constexpr float dotSize = 0.8f;
constexpr float growTime = 0.14f;
constexpr float shrinkStart = 0.4f;

} // namespace

TarDots::TarDots() : m_batch(SYM(L"tarDot")) {}

void TarDots::add(const math::Vector2 &position) {
  bool appended;
  TarDot *dot = &reuseRecord(m_dots, appended);
  // The batch can take every record: drawing never grows it.
  if (appended)
    m_batch.reserve(m_dots.size());
  math::Vector2 direction;
  direction.setRandomDirection();
  dot->position = position;
  dot->velocity = direction * speed;
  dot->age = 0.0f;
  dot->active = 1;
}

void TarDots::update(float dt) {
  for (TarDot &dot : m_dots) {
    if (!dot.active)
      continue;
    dot.position += dot.velocity * dt;
    dot.velocity = dot.velocity * slowing;
    dot.age += dt;
    if (dot.age >= lifetime)
      dot.active = 0;
  }
}

float TarDots::growth(float age) {
  if (age < growTime)
    return age / growTime;
  if (age <= shrinkStart)
    return 1.0f;
  if (age < lifetime)
    return 1.0f - (age - shrinkStart) / (lifetime - shrinkStart);
  return 0.0f;
}

void TarDots::render(video::Canvas &canvas, float spriteSize) {
  for (const TarDot &dot : m_dots)
    if (dot.active)
      m_batch.add(dot.position, math::Color(1.0f, 1.0f, 1.0f, 1.0f - std::fmin(dot.age, 1.0f)),
                  dotSize * growth(dot.age));
  m_batch.draw(canvas, spriteSize);
}
