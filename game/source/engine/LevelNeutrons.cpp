// Neutrons meeting the blocks, and their one batch of fading sparks.

#include "engine/Block.h"
#include "engine/Level.h"
#include "framework/Framework.h"
#include "math/Sphere.h"
#include "physics/WorldGeometry.h"

#include <cmath>

namespace {

constexpr float neutronRadius = 0.5f;

} // namespace

void Level::neutronHits() {
  for (Neutron *neutron : m_neutrons) {
    if (neutron->isDead())
      continue;
    const math::Vector3 at = neutron->getPosition();
    const math::Vector3 half(neutronRadius, neutronRadius, 0.0f);
    math::Vector2i low, high;
    cellRange(at - half, at + half, low, high);
    if (!clipToGrid(low, high))
      continue;
    const math::Sphere sphere(at, neutronRadius);
    for (int32_t column = low.x; column <= high.x; ++column)
      for (int32_t row = low.y; row <= high.y; ++row) {
        Block *block = m_blockGrid.blockAt(column, row);
        if (!block || block->isDead() || !block->geometry().overlaps(sphere))
          continue;
        block->markByNeutron(neutron->source());
        neutron->stop();
      }
  }
}

void Level::renderNeutrons(video::Canvas &canvas) {
  const float t = Framework::exists() ? Framework::instance()->totalTime() : 0.0f;
  for (const Neutron *neutron : m_neutrons) {
    if (neutron->isDead())
      continue;
    const math::Vector2 &at = neutron->position();
    m_batches.neutron().add(at, math::Color(1.0f, 1.0f, 1.0f, neutron->opacity()));
  }
  m_batches.neutron().draw(canvas, m_spriteSize * (0.6f + 0.1f * std::sin(20.0f * t)));
}
