#include "engine/BlockGrid.h"

#include "engine/Block.h"

#include <cstdint>

namespace {

bool fitsCellNumbers(int64_t first, int64_t count) {
  // The first cell past the range is a cell number too (end()).
  return first >= INT32_MIN && first + count <= INT32_MAX;
}

} // namespace

void BlockGrid::clear() {
  for (int32_t c = 0; c < m_size.width; ++c)
    for (int32_t r = 0; r < m_size.height; ++r)
      delete m_columns[c][r];
  freeCells();
  m_size = math::Size2i();
  m_origin = math::Vector2i();
  m_colouredCount = 0;
}

void BlockGrid::freeCells() {
  if (!m_columns)
    return;
  // One block of cells behind the column pointers.
  delete[] m_columns[0];
  delete[] m_columns;
  m_columns = nullptr;
}

Block *BlockGrid::blockCovering(int32_t column, int32_t row) const {
  if (occupied(column, row))
    return blockAt(column, row);
  const Block *found = nullptr;
  if (occupied(column - 1, row))
    found = blockAt(column - 1, row);
  else if (occupied(column, row - 1))
    found = blockAt(column, row - 1);
  else if (occupied(column - 1, row - 1))
    found = blockAt(column - 1, row - 1);
  return found && found->kind() == Block::BONUS ? const_cast<Block *>(found) : nullptr;
}

uint32_t BlockGrid::blockCount() const {
  uint32_t count = 0;
  for (int32_t c = 0; c < m_size.width; ++c)
    for (int32_t r = 0; r < m_size.height; ++r)
      if (m_columns[c][r])
        ++count;
  return count;
}

bool BlockGrid::grow(int32_t x, int32_t y, int32_t w, int32_t h) {
  if (w <= 0 || h <= 0)
    return true;
  if (!fitsCellNumbers(x, w) || !fitsCellNumbers(y, h))
    return false;
  if (contains(x, y) && contains(int32_t(int64_t(x) + w - 1), int32_t(int64_t(y) + h - 1)))
    return true;
  int64_t left = x, bottom = y, right = int64_t(x) + w, top = int64_t(y) + h;
  if (m_columns) {
    left = left < m_origin.x ? left : m_origin.x;
    bottom = bottom < m_origin.y ? bottom : m_origin.y;
    const int64_t oldRight = int64_t(m_origin.x) + m_size.width;
    const int64_t oldTop = int64_t(m_origin.y) + m_size.height;
    right = right > oldRight ? right : oldRight;
    top = top > oldTop ? top : oldTop;
  }
  const int64_t columns = right - left, rows = top - bottom;
  if (columns * rows > maxCells)
    return false;
  Block **cells = new Block *[size_t(columns * rows)]();
  Block ***arrays = new Block **[size_t(columns)];
  for (int64_t c = 0; c < columns; ++c)
    arrays[c] = cells + c * rows;
  for (int32_t c = 0; c < m_size.width; ++c)
    for (int32_t r = 0; r < m_size.height; ++r)
      arrays[m_origin.x + c - left][m_origin.y + r - bottom] = m_columns[c][r];
  freeCells();
  m_columns = arrays;
  m_origin = math::Vector2i(int32_t(left), int32_t(bottom));
  m_size = math::Size2i(int32_t(columns), int32_t(rows));
  return true;
}

void BlockGrid::place(Block *block, int32_t column, int32_t row) {
  m_columns[column - m_origin.x][row - m_origin.y] = block;
  if (block->isNormalOrBonus())
    ++m_colouredCount;
}

Block *BlockGrid::take(int32_t column, int32_t row) {
  Block *&cell = m_columns[column - m_origin.x][row - m_origin.y];
  Block *block = cell;
  cell = nullptr;
  return block;
}
