// The powers the level hands out and spreads: a charge on a visible block
// every few seconds, and the targets of a lightning chain.

#include "engine/Block.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "math/Random.h"

namespace {

// Seconds between looks for a block to charge.
constexpr float chargeInterval = 8.0f;

} // namespace

void Level::chargePower(float dt) {
  m_chargeTimer += dt;
  if (m_chargeTimer <= chargeInterval)
    return;
  m_chargeTimer = 0.0f;
  math::Vector2i low = m_visibleCellLow, high = m_visibleCellHigh;
  if (!clipToGrid(low, high))
    return;
  m_candidates.clear();
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row) {
      Block *block = m_blockGrid.blockAt(column, row);
      if (!block)
        continue;
      // One charge on screen at a time.
      if (block->charge() < Block::noCharge)
        return;
      if (block->kind() == Block::NORMAL && !block->isDead() && block->group() == 0)
        m_candidates.push(block);
    }
  if (m_candidates.isEmpty())
    return;
  Block *chosen = m_candidates[uint32_t(Random::globalNext()) % m_candidates.size()];
  chosen->setCharge(uint32_t(Random::globalNext()) % Block::noCharge);
}

void Level::lightningFrom(const Block &block, unsigned depth) {
  // The cells within a radius of 4 (squared distance below 17) around the
  // block's own.
  constexpr int32_t reach = 4;
  const math::Vector2i centre = block.cell();
  math::Vector2i low(centre.x - reach, centre.y - reach), high(centre.x + reach, centre.y + reach);
  m_lightningTargetCount = 0;
  if (!clipToGrid(low, high))
    return;
  m_candidates.clear();
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row) {
      const int32_t dx = column - centre.x, dy = row - centre.y;
      Block *other = m_blockGrid.blockAt(column, row);
      if (other && dx * dx + dy * dy < 17 && other->isNormalOrStone() &&
          other->color() == block.color() && !other->isDead() && other->group() == 0)
        m_candidates.push(other);
    }
  if (m_candidates.isEmpty())
    return;
  queueGameSound(SYM(L"lightning"));
  while (m_lightningTargetCount < 3 && !m_candidates.isEmpty()) {
    const uint32_t index = uint32_t(Random::globalNext()) % m_candidates.size();
    Block *target = m_candidates.removeAt(index);
    m_lightningTargets[m_lightningTargetCount++] = target;
    auto *bolt = new BlockLightning(*this);
    bolt->setup(centre, target->cell(), block.color(), block.group(), depth);
    m_blockLightnings.append(bolt);
  }
}
