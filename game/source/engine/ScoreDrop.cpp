#include "engine/ScoreDrop.h"

namespace {

int clampPoints(int points) {
  if (points < 25)
    return 25;
  return points > 225 ? 225 : points;
}

} // namespace

ScoreDrop::ScoreDrop(Level &level, int points)
    : GameObject(&level), m_image(uint32_t(clampPoints(points) / 25 - 1)) {}

void ScoreDrop::update(float dt) {
  if (m_dead)
    return;
  m_age += dt;
  if (m_age > lifetime)
    m_dead = true;
}

math::Color ScoreDrop::color() const {
  const float fadeStart = 0.5f * lifetime;
  float alpha = 1.0f;
  if (m_age > fadeStart)
    alpha = m_age >= lifetime ? 0.0f : 1.0f - (m_age - fadeStart) / (lifetime - fadeStart);
  return math::Color(1.0f, 1.0f, 1.0f, alpha);
}

math::Box3D ScoreDrop::bounds() const {
  return math::Box3D(position, math::Vector3(1.5f, 1.5f, 0.0f));
}
