// The blocks' frame by cell, the faces that dead blocks expose, and the
// tester's aid that breaks one block.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGeometry.h"
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

namespace {

// A cell is solid when it holds a square block or lies under a bonus block.
bool solidCell(const BlockGrid &grid, int32_t column, int32_t row) {
  const Block *block = grid.blockCovering(column, row);
  if (!block)
    return false;
  const unsigned kind = block->kind();
  return kind == Block::NORMAL || kind == Block::UNBREAKABLE || kind == Block::STONE ||
         kind == Block::BONUS;
}

} // namespace

void Level::refreshBlockFaces(const math::Vector2i &low, const math::Vector2i &high) {
  math::Vector2i first = low, last = high;
  if (!clipToGrid(first, last))
    return;
  const BlockGrid &grid = m_blockGrid;
  auto open = [&grid](int32_t column, int32_t row) { return !solidCell(grid, column, row); };
  for (int32_t x = first.x; x <= last.x; ++x)
    for (int32_t y = first.y; y <= last.y; ++y) {
      Block *block = grid.blockAt(x, y);
      if (!block)
        continue;
      physics::WorldGeometry &geometry = block->geometry();
      switch (block->kind()) {
      case Block::NORMAL:
      case Block::UNBREAKABLE:
      case Block::STONE: {
        const uint32_t mask = (open(x - 1, y) ? 2u : 0u) | (open(x + 1, y) ? 1u : 0u) |
                              (open(x, y - 1) ? 8u : 0u) | (open(x, y + 1) ? 4u : 0u);
        static_cast<BlockGeometry &>(geometry).setFaceMask(0, mask);
        break;
      }
      case Block::BONUS: {
        auto &faces = static_cast<BlockGeometry &>(geometry);
        faces.setFaceMask(0, (open(x - 1, y) ? 2u : 0u) | (open(x, y - 1) ? 8u : 0u));
        faces.setFaceMask(1, (open(x - 1, y + 1) ? 2u : 0u) | (open(x, y + 2) ? 4u : 0u));
        faces.setFaceMask(2, (open(x + 2, y + 1) ? 1u : 0u) | (open(x + 1, y + 2) ? 4u : 0u));
        faces.setFaceMask(3, (open(x + 2, y) ? 1u : 0u) | (open(x + 1, y - 1) ? 8u : 0u));
        break;
      }
      default:
        break;
      }
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
