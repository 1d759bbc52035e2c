// The block layout in the level file and the snapshot: the grid's size,
// origin and kept value, then one record per block (code, column, row), then
// the end code.

#include "engine/Block.h"
#include "engine/BlockColors.h"
#include "engine/BlockGrid.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"

namespace {

enum : uint8_t {
  CODE_UNBREAKABLE = 6,
  CODE_STONE = 7,
  CODE_ROUND = 8,
  CODE_BONUS = 9,
};

constexpr uint32_t headerBytes = 5 * 4;

void warn(const String &text) {
  framework::reportWarning(__FILE__, __LINE__, __func__, String(L"Block layout: ") + text);
}

} // namespace

uint8_t BlockGrid::code(unsigned kind, unsigned colour) {
  switch (kind) {
  case Block::NORMAL:
    return colour < COLOR_COUNT ? uint8_t(colour) : inertCode;
  case Block::BONUS:
    return colour < COLOR_COUNT ? uint8_t(CODE_BONUS + colour) : inertCode;
  case Block::UNBREAKABLE:
    return CODE_UNBREAKABLE;
  case Block::STONE:
    return CODE_STONE;
  case Block::ROUND:
    return CODE_ROUND;
  default:
    return inertCode;
  }
}

void BlockGrid::decode(uint8_t code, unsigned &kind, unsigned &colour) {
  colour = COLOR_NONE;
  if (code < COLOR_COUNT) {
    kind = Block::NORMAL;
    colour = code;
  } else if (code == CODE_UNBREAKABLE) {
    kind = Block::UNBREAKABLE;
  } else if (code == CODE_STONE) {
    kind = Block::STONE;
  } else if (code == CODE_ROUND) {
    kind = Block::ROUND;
  } else if (code >= CODE_BONUS && code < unsigned(CODE_BONUS) + COLOR_COUNT) {
    kind = Block::BONUS;
    colour = code - CODE_BONUS;
  } else {
    kind = Block::INERT;
  }
}

bool BlockGrid::read(file::ByteProducer &in) { return readLayout(in, false); }

bool BlockGrid::readWithState(file::ByteProducer &in) { return readLayout(in, true); }

bool BlockGrid::readLayout(file::ByteProducer &in, bool withState) {
  clear();
  if (in.bytesRemaining() < headerBytes)
    return false;
  int32_t columns, rows, x, y;
  file::read(columns, in);
  file::read(rows, in);
  file::read(x, in);
  file::read(y, in);
  file::read(m_extra, in);
  if (columns < 0 || rows < 0) {
    warn(L"a size below zero; refused");
    return false;
  }
  // A size with a zero leaves the grid without cells.
  if (columns != 0 && rows != 0 && !grow(x, y, columns, rows)) {
    warn(L"more cells than a level holds, or cells past the cell numbers; refused");
    return false;
  }
  uint32_t outside = 0, repeated = 0;
  bool cut = false;
  for (;;) {
    uint8_t code = endCode;
    file::read(code, in);
    if (in.overrun()) {
      cut = true;
      break;
    }
    if (code == endCode)
      break;
    int16_t column, row;
    file::read(column, in);
    file::read(row, in);
    if (in.overrun()) {
      cut = true;
      break;
    }
    if (!contains(column, row) || blockAt(column, row)) {
      ++(contains(column, row) ? repeated : outside);
      if (withState && !Block::skipState(in)) {
        cut = true;
        break;
      }
      continue;
    }
    unsigned kind, colour;
    decode(code, kind, colour);
    auto *block = new Block(m_owner, kind, colour);
    block->setCell(math::Vector2i(column, row));
    block->setPosition(math::Vector3(Block::cellSize * column, Block::cellSize * row, 0.0f));
    if (withState && !block->readState(in)) {
      delete block;
      cut = true;
      break;
    }
    place(block, column, row);
  }
  if (outside)
    warn(String::toString(outside) + L" records outside the grid skipped");
  if (repeated)
    warn(String::toString(repeated) + L" records for occupied cells dropped");
  // A layout that ends before its end code is refused whole.
  if (cut) {
    warn(L"the records end before the end code; refused");
    clear();
    return false;
  }
  return true;
}

void BlockGrid::write(file::ByteReceiver &out) const { writeLayout(out, false); }

void BlockGrid::writeWithState(file::ByteReceiver &out) const { writeLayout(out, true); }

void BlockGrid::writeLayout(file::ByteReceiver &out, bool withState) const {
  file::write(m_size.width, out);
  file::write(m_size.height, out);
  file::write(m_origin.x, out);
  file::write(m_origin.y, out);
  file::write(m_extra, out);
  for (int32_t c = 0; c < m_size.width; ++c)
    for (int32_t r = 0; r < m_size.height; ++r) {
      const Block *block = m_columns[c][r];
      if (!block || (withState && block->isDead()))
        continue;
      file::write(code(block->kind(), block->color()), out);
      file::write(int16_t(m_origin.x + c), out);
      file::write(int16_t(m_origin.y + r), out);
      if (withState)
        block->writeState(out);
    }
  file::write(endCode, out);
}
