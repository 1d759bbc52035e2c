#pragma once
// The level's blocks by cell: a rectangle of cells from an origin cell (cell
// coordinates are absolute and may be negative), each holding one block or
// nothing. It owns its blocks, makes them when it reads the block layout
// from the level file or the snapshot, writes them back, and answers the
// level's cell questions. A bonus block covers its cell and the cells to its
// right, above and above-right, but is stored in its own cell only.

#include "math/Size2i.h"
#include "math/Vector2i.h"

#include <cstdint>

class Block;
class Level;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class BlockGrid {
public:
  // A layout of more cells than this is refused.
  static constexpr int64_t maxCells = 1000000;
  // The byte that ends the layout's records.
  static constexpr uint8_t endCode = 255;

  explicit BlockGrid(Level &owner) : m_owner(owner) {}
  BlockGrid(const BlockGrid &) = delete;
  BlockGrid &operator=(const BlockGrid &) = delete;
  ~BlockGrid() { clear(); }

  // Deletes every block and the cells: size 0 x 0 at (0, 0).
  void clear();

  bool contains(int32_t column, int32_t row) const {
    const int64_t c = int64_t(column) - m_origin.x, r = int64_t(row) - m_origin.y;
    return c >= 0 && r >= 0 && c < m_size.width && r < m_size.height;
  }
  bool occupied(int32_t column, int32_t row) const {
    return contains(column, row) && blockAt(column, row) != nullptr;
  }
  // Without a bounds test: callers test occupied (or contains) first.
  Block *blockAt(int32_t column, int32_t row) const {
    return m_columns[column - m_origin.x][row - m_origin.y];
  }
  // The cell's own block, else a bonus block whose area holds the cell; null
  // when neither.
  Block *blockCovering(int32_t column, int32_t row) const;
  // The first column and row past the grid.
  math::Vector2i end() const {
    return math::Vector2i(m_origin.x + m_size.width, m_origin.y + m_size.height);
  }
  const math::Vector2i &origin() const { return m_origin; }
  const math::Size2i &size() const { return m_size; }
  uint32_t extra() const { return m_extra; }
  // Indexed [column - origin.x][row - origin.y]; null while the size is 0.
  Block *const *const *columns() const { return m_columns; }
  // Blocks held, dead ones too.
  uint32_t blockCount() const;
  // The coloured blocks (normal and bonus) placed since the grid was last
  // cleared: those read with the layout. Breaking them all completes the
  // level.
  uint32_t colouredCount() const { return m_colouredCount; }
  void setColouredCount(uint32_t count) { m_colouredCount = count; }

  // Keeps the cells when the rectangle of w x h cells at (x, y) lies inside;
  // otherwise the cells cover the union of both ranges, each block in the
  // same cell as before. A w or h of 0 (or below) changes nothing. False,
  // changing nothing, when the union would pass maxCells cells or the range
  // of cell numbers.
  bool grow(int32_t x, int32_t y, int32_t w, int32_t h);
  // Puts the block in its cell, which must be inside and empty; a coloured
  // block counts.
  void place(Block *block, int32_t column, int32_t row);
  // Takes the block out of its cell without deleting it.
  Block *take(int32_t column, int32_t row);

  // The level file's layout. A record outside the grid is skipped and a
  // second record for a cell is dropped, each reported once per read. False,
  // with the grid empty, for a negative size, a size of more than maxCells
  // cells, or a layout that ends before its end code.
  bool read(file::ByteProducer &in);
  // The snapshot's form: each record followed by the block's state record.
  bool readWithState(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // Live blocks only, each with its state record.
  void writeWithState(file::ByteReceiver &out) const;

  // The byte of a block's kind and colour in the layout, and back. A kind
  // and colour without a code of their own (the inert block of an unknown
  // code) get inertCode, which reads back as the same inert block.
  static constexpr uint8_t inertCode = 15;
  static uint8_t code(unsigned kind, unsigned colour);
  static void decode(uint8_t code, unsigned &kind, unsigned &colour);

private:
  bool readLayout(file::ByteProducer &in, bool withState);
  void writeLayout(file::ByteReceiver &out, bool withState) const;
  void freeCells();

  Level &m_owner;
  math::Size2i m_size;
  Block ***m_columns = nullptr;
  uint32_t m_extra = 0;
  math::Vector2i m_origin;
  uint32_t m_colouredCount = 0;
};
