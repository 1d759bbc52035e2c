// What the level draws in its sprite batches: the block field by cell, the
// ice, and the debris of broken blocks.

#include "engine/Block.h"
#include "engine/Level.h"

#include <cmath>

bool Level::isVisible(const math::Box3D &box) const {
  const math::Vector3 low = box.minimum(), high = box.maximum();
  return !(high.x < std::fmin(m_visibleMin.x, m_visibleMax.x) ||
           low.x > std::fmax(m_visibleMin.x, m_visibleMax.x) ||
           high.y < std::fmin(m_visibleMin.y, m_visibleMax.y) ||
           low.y > std::fmax(m_visibleMin.y, m_visibleMax.y));
}

bool Level::drawnCells(math::Vector2i &low, math::Vector2i &high) const {
  // A bonus block is kept in its lower-left cell and reaches one cell up and
  // right of it.
  low = math::Vector2i(m_visibleCellLow.x - 1, m_visibleCellLow.y - 1);
  high = m_visibleCellHigh;
  return clipToGrid(low, high);
}

void Level::renderBlockField(video::Canvas &canvas) {
  math::Vector2i low, high;
  if (!drawnCells(low, high))
    return;
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row) {
      Block *block = m_blockGrid.blockAt(column, row);
      if (!block || block->isDead())
        continue;
      const uint32_t batch = LevelBatches::blockIndex(block->kind(), block->color());
      if (batch == LevelBatches::none) {
        block->render(canvas);
        continue;
      }
      const math::Vector3 c = block->centre();
      m_batches.block(batch).add(math::Vector2(c.x, c.y), math::Color::white);
    }
  m_batches.drawBlocks(canvas, m_spriteSize);
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row)
      if (Block *block = m_blockGrid.blockAt(column, row))
        block->renderOverlay(canvas);
  for (int32_t column = low.x; column <= high.x; ++column)
    for (int32_t row = low.y; row <= high.y; ++row) {
      Block *block = m_blockGrid.blockAt(column, row);
      if (!block || block->isDead() || !block->frozen())
        continue;
      if (block->kind() == Block::BONUS) {
        block->renderIce(canvas);
        continue;
      }
      const math::Vector3 c = block->centre();
      m_batches.ice().add(math::Vector2(c.x, c.y), math::Color::white);
    }
  m_batches.ice().draw(canvas, m_spriteSize);
}

void Level::renderChunks(video::Canvas &canvas) {
  for (const ChunkNormal *chunk : m_chunksNormal)
    if (isVisible(chunk->bounds())) {
      const math::Vector3 at = chunk->getPosition();
      m_batches.sparkle().add(math::Vector2(at.x, at.y), chunk->color(), chunk->scale());
    }
  m_batches.sparkle().draw(canvas, m_spriteSize);
  for (const ChunkExplosion *chunk : m_chunksExplosion) {
    const uint32_t batch = LevelBatches::blockIndex(chunk->kind(), chunk->blockColor());
    if (batch == LevelBatches::none || !isVisible(chunk->bounds()))
      continue;
    const math::Vector3 at = chunk->getPosition();
    m_batches.block(batch).add(math::Vector2(at.x, at.y), chunk->color(), chunk->scale());
  }
  m_batches.drawBlocks(canvas, m_spriteSize);
}
