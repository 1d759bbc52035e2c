// The blocks' frame by cell, the faces that dead blocks expose, and the
// tester's aid that breaks one block.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Level.h"

bool Level::clipToGrid(math::Vector2i &low, math::Vector2i &high) const {
  const math::Vector2i first = m_blockGrid.origin(), past = m_blockGrid.end();
  low.x = low.x > first.x ? low.x : first.x;
  low.y = low.y > first.y ? low.y : first.y;
  high.x = high.x < past.x - 1 ? high.x : past.x - 1;
  high.y = high.y < past.y - 1 ? high.y : past.y - 1;
  return low.x <= high.x && low.y <= high.y;
}

void Level::updateBlocks(float dt) {
  const math::Vector2i first = m_blockGrid.origin(), past = m_blockGrid.end();
  for (int32_t column = first.x; column < past.x; ++column)
    for (int32_t row = first.y; row < past.y; ++row) {
      Block *block = m_blockGrid.blockAt(column, row);
      if (!block)
        continue;
      block->update(dt);
      if (!block->isDead())
        continue;
      const int32_t reach = block->kind() == Block::BONUS ? 2 : 1;
      delete m_blockGrid.take(column, row);
      refreshBlockFaces(math::Vector2i(column - 1, row - 1),
                        math::Vector2i(column + reach, row + reach));
    }
}

void Level::hitRandomBlock() {
  Block *last = nullptr;
  const math::Vector2i first = m_blockGrid.origin(), past = m_blockGrid.end();
  for (int32_t column = first.x; column < past.x; ++column)
    for (int32_t row = first.y; row < past.y; ++row) {
      Block *block = m_blockGrid.blockAt(column, row);
      if (block && !block->isDead())
        last = block;
    }
  if (last)
    last->onContact(&last->geometry(), &m_ball->structure(), 0);
}
