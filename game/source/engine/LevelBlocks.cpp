// What the level does for and around its blocks: the bonus charge, block
// groups, their freezing and shattering, and the blast that shakes blocks.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Level.h"

void Level::resetBonusCharge() {
  m_bonusColor = COLOR_NONE;
  m_bonusCount = 1;
}

void Level::dischargeBonus() {
  m_ball->bonusDischarge(m_bonusColor);
  resetBonusCharge();
}

void Level::freezeCounted(unsigned group) {
  if (unsigned *count = m_groupCounts.lookup(group))
    ++*count;
  else
    m_groupCounts.put(group, 1u);
}

void Level::freezeSpreadDone(unsigned group) {
  if (unsigned *count = m_groupCounts.lookup(group))
    if (*count > 0)
      --*count;
}

void Level::spreadFreeze(const Block &block) {
  static const math::Vector2i single[] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
  // Around the 2 x 2 cells of a bonus block from its origin cell.
  static const math::Vector2i bonus[] = {{0, 2},  {1, 2},  {2, 1},  {2, 0},
                                         {1, -1}, {0, -1}, {-1, 0}, {-1, 1}};
  const math::Vector2i *cells = nullptr;
  uint32_t count = 0;
  if (block.kind() == Block::BONUS) {
    cells = bonus;
    count = 8;
  } else if (block.kind() == Block::NORMAL || block.kind() == Block::UNBREAKABLE ||
             block.kind() == Block::STONE) {
    cells = single;
    count = 4;
  }
  for (uint32_t i = 0; i < count; ++i) {
    const int32_t column = block.cell().x + cells[i].x, row = block.cell().y + cells[i].y;
    if (!m_blockGrid.occupied(column, row))
      continue;
    Block *next = m_blockGrid.blockAt(column, row);
    if (next->isNormalOrStone() && next->color() == block.color() && !next->isDead() &&
        next->group() == 0)
      next->freezeInGroup(block.group());
  }
}

void Level::updateGroupTimers(float dt) {
  uint32_t i = 0;
  while (i < m_groupTimers.size()) {
    GroupTimer &timer = m_groupTimers[i];
    timer.seconds -= dt;
    if (timer.seconds > 0.0f) {
      ++i;
      continue;
    }
    const uint32_t group = timer.group;
    m_groupTimers.removeAt(i);
    const math::Vector2i first = m_blockGrid.origin(), past = m_blockGrid.end();
    for (int32_t column = first.x; column < past.x; ++column)
      for (int32_t row = first.y; row < past.y; ++row) {
        Block *block = m_blockGrid.blockAt(column, row);
        if (block && !block->isDead() && block->group() == group)
          block->shatterIce();
      }
  }
  // Groups whose every freeze has spread break together a moment later.
  m_groupKeys.clear();
  m_groupCounts.forEach([this](const unsigned &group, const unsigned &count) {
    if (count == 0)
      m_groupKeys.push(group);
  });
  for (uint32_t group : m_groupKeys) {
    m_groupTimers.push(GroupTimer{group, 0.2f});
    m_groupCounts.remove(group);
  }
}

void Level::blast(const math::Vector3 &centre, float radius, float strength) {
  const math::Vector3 reach(radius, radius, 0.0f);
  math::Vector2i low, high;
  cellRange(centre - reach, centre + reach, low, high);
  if (!clipToGrid(low, high))
    return;
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row) {
      if (!m_blockGrid.occupied(column, row))
        continue;
      Block *block = m_blockGrid.blockAt(column, row);
      if (block->isDead() || block->frozen() ||
          (block->kind() != Block::NORMAL && block->kind() != Block::UNBREAKABLE))
        continue;
      math::Vector3 d = block->getPosition() - centre;
      d.z = 0.0f;
      const float squared = d.lengthSquared();
      if (squared == 0.0f || squared > radius * radius)
        continue;
      const float distance = d.length();
      const float push = strength * (1.0f - distance / radius) / distance;
      const float delay = (distance > cellSize ? distance - cellSize : 0.0f) / 30.0f;
      block->startShake(math::Vector2(d.x * push, d.y * push), delay);
    }
}

void Level::addSplat(const math::Vector3 &position, unsigned colour) {
  m_splatter.add(math::Vector2(position.x, position.y), colorValue(colour));
}
