// The level's worms: drawn as their live segments in three batches, the
// breakable ones pulsing, then each visible worm's head.

#include "engine/Level.h"
#include "engine/Worm.h"

#include <cmath>

namespace {

// The worm's visibility box round its head, and a segment's.
constexpr float wormReach = 9.0f;
constexpr float segmentReach = 3.0f;

} // namespace

void Level::renderWorms(video::Canvas &canvas) {
  const math::Vector3 segmentHalf(segmentReach, segmentReach, 0.0f);
  const math::Color glow(1.0f, 1.0f, 1.0f, 0.25f + 0.25f * std::sin(6.0f * m_playTime));
  for (const Worm *worm : m_worms)
    for (uint32_t i = 0; i < worm->segmentCount(); ++i) {
      const Worm::Segment &segment = worm->segment(i);
      if (segment.exploded || !isVisible(math::Box3D(segment.position(), segmentHalf)))
        continue;
      const math::Vector2 at(segment.position().x, segment.position().y);
      m_batches.worm(segment.breakable ? 1 : 0).add(at, math::Color::white);
      if (segment.breakable)
        m_batches.worm(2).add(at, glow);
    }
  m_batches.worm(0).draw(canvas, m_spriteSize);
  const float pulse = m_spriteSize * (1.1f + 0.1f * std::sin(4.0f * m_playTime));
  m_batches.worm(1).draw(canvas, pulse);
  m_batches.worm(2).draw(canvas, pulse);
  const math::Vector3 wormHalf(wormReach, wormReach, 0.0f);
  for (Worm *worm : m_worms)
    if (isVisible(math::Box3D(worm->head().transform.translation, wormHalf)))
      worm->render(canvas);
}

Worm *Level::addWorm(Worm *worm) {
  m_worms.append(worm);
  return worm;
}
