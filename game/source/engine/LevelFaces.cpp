// The faces of the level's blocks that the ball can touch: a side facing a
// solid neighbour is left out, so that the ball rolls along a row of blocks
// without catching on the sides between them.

#include "engine/Block.h"
#include "engine/BlockGeometry.h"
#include "engine/Level.h"

namespace {

bool hasFaces(unsigned kind) {
  return kind == Block::NORMAL || kind == Block::UNBREAKABLE || kind == Block::STONE;
}

// A cell of a block with faces, or one of a bonus block's four.
bool solid(const BlockGrid &grid, int32_t column, int32_t row) {
  const Block *block = grid.blockCovering(column, row);
  return block && (hasFaces(block->kind()) || block->kind() == Block::BONUS);
}

// The face bit when the neighbour is not solid, else 0.
uint32_t open(const BlockGrid &grid, int32_t column, int32_t row, uint32_t face) {
  return solid(grid, column, row) ? 0u : face;
}

} // namespace

void Level::refreshBlockFaces(const math::Vector2i &low, const math::Vector2i &high) {
  using namespace blockcell;
  const BlockGrid &grid = m_blockGrid;
  const math::Vector2i first = grid.origin(), past = grid.end();
  const int32_t c0 = low.x > first.x ? low.x : first.x;
  const int32_t r0 = low.y > first.y ? low.y : first.y;
  const int32_t c1 = high.x < past.x - 1 ? high.x : past.x - 1;
  const int32_t r1 = high.y < past.y - 1 ? high.y : past.y - 1;
  for (int32_t x = c0; x <= c1; ++x)
    for (int32_t y = r0; y <= r1; ++y) {
      if (!grid.occupied(x, y))
        continue;
      const Block *block = grid.blockAt(x, y);
      // Only box blocks have faces; a round block's geometry is no box.
      if (!hasFaces(block->kind()) && block->kind() != Block::BONUS)
        continue;
      auto &geometry = static_cast<BlockGeometry &>(block->geometry());
      if (hasFaces(block->kind())) {
        geometry.setFaceMask(
            0, open(grid, x - 1, y, FACE_MINUS_X) | open(grid, x + 1, y, FACE_PLUS_X) |
                   open(grid, x, y - 1, FACE_MINUS_Y) | open(grid, x, y + 1, FACE_PLUS_Y));
      } else if (block->kind() == Block::BONUS) {
        // Each quadrant's two outer sides: 0 the origin cell, 1 above it,
        // 2 above and right, 3 right.
        geometry.setFaceMask(0, open(grid, x - 1, y, FACE_MINUS_X) |
                                    open(grid, x, y - 1, FACE_MINUS_Y));
        geometry.setFaceMask(1, open(grid, x - 1, y + 1, FACE_MINUS_X) |
                                    open(grid, x, y + 2, FACE_PLUS_Y));
        geometry.setFaceMask(2, open(grid, x + 2, y + 1, FACE_PLUS_X) |
                                    open(grid, x + 1, y + 2, FACE_PLUS_Y));
        geometry.setFaceMask(3, open(grid, x + 2, y, FACE_PLUS_X) |
                                    open(grid, x + 1, y - 1, FACE_MINUS_Y));
      }
    }
}
