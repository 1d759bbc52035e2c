#include "BlockWorld.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <string>

using blocktest::TestLevel;

namespace {

// A block layout record written by hand.
struct Layout {
  file::BufferBinary bytes;

  Layout(int32_t columns, int32_t rows, int32_t x, int32_t y, uint32_t extra = 0) {
    for (int32_t v : {columns, rows, x, y})
      file::write(v, bytes);
    file::write(extra, bytes);
  }
  Layout &block(uint8_t code, int16_t column, int16_t row) {
    file::write(code, bytes);
    file::write(column, bytes);
    file::write(row, bytes);
    return *this;
  }
  // A state record: the flags byte alone.
  Layout &plainState() {
    file::write(uint8_t(0), bytes);
    return *this;
  }
  Layout &end() {
    file::write(uint8_t(255), bytes);
    return *this;
  }
  file::BufferBinary &stream() {
    bytes.seek(0);
    return bytes;
  }
  // The first n bytes only.
  file::BufferBinary cut(uint32_t n) const {
    file::BufferBinary part;
    part.receiveBytes(bytes.data(), n);
    part.seek(0);
    return part;
  }
};

std::string bytesOf(const file::BufferBinary &b) {
  return std::string(reinterpret_cast<const char *>(b.data()), b.size());
}

// Reads with standard error captured.
bool readQuietly(BlockGrid &grid, file::BufferBinary &in, std::string &err,
                 bool withState = false) {
  testing::internal::CaptureStderr();
  const bool read = withState ? grid.readWithState(in) : grid.read(in);
  err = testing::internal::GetCapturedStderr();
  return read;
}

size_t occurrences(const std::string &haystack, const std::string &needle) {
  size_t n = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1))
    ++n;
  return n;
}

} // namespace

TEST(BlockGrid, CodesGiveKindsAndColours) {
  struct Case {
    uint8_t code;
    unsigned kind, colour;
  };
  const Case cases[] = {
      {0, Block::NORMAL, 0},  {5, Block::NORMAL, 5}, {6, Block::UNBREAKABLE, 6},
      {7, Block::STONE, 6},   {8, Block::ROUND, 6},  {9, Block::BONUS, 0},
      {14, Block::BONUS, 5},  {15, Block::INERT, 6}, {200, Block::INERT, 6},
      {254, Block::INERT, 6},
  };
  for (const Case &c : cases) {
    unsigned kind, colour;
    BlockGrid::decode(c.code, kind, colour);
    EXPECT_EQ(kind, c.kind) << int(c.code);
    EXPECT_EQ(colour, c.colour) << int(c.code);
    const uint8_t back = BlockGrid::code(kind, colour);
    EXPECT_EQ(back, c.code < 15 ? c.code : BlockGrid::inertCode) << int(c.code);
  }
  // Kinds and colours without a code of their own never write the end code.
  EXPECT_EQ(BlockGrid::code(Block::NORMAL, 6), BlockGrid::inertCode);
  EXPECT_EQ(BlockGrid::code(Block::BONUS, 7), BlockGrid::inertCode);
  EXPECT_EQ(BlockGrid::code(9, 0), BlockGrid::inertCode);
}

TEST(BlockGrid, NegativeOriginsAndCellQueries) {
  TestLevel level(nullptr);
  BlockGrid &grid = level.blockGrid();
  EXPECT_EQ(grid.columns(), nullptr);
  EXPECT_FALSE(grid.contains(0, 0));
  Layout layout(4, 3, -3, -2, 77);
  layout.block(2, -2, -1).block(6, 0, 0).end();
  ASSERT_TRUE(grid.read(layout.stream()));
  EXPECT_EQ(grid.size().width, 4);
  EXPECT_EQ(grid.size().height, 3);
  EXPECT_EQ(grid.origin().x, -3);
  EXPECT_EQ(grid.origin().y, -2);
  EXPECT_EQ(grid.extra(), 77u);
  EXPECT_EQ(grid.end().x, 1);
  EXPECT_EQ(grid.end().y, 1);
  // Column -2 sits at index -2 - (-3) = 1.
  Block *block = grid.columns()[1][1];
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(grid.blockAt(-2, -1), block);
  EXPECT_EQ(block->kind(), unsigned(Block::NORMAL));
  EXPECT_EQ(block->color(), 2u);
  EXPECT_EQ(block->cell().x, -2);
  EXPECT_EQ(block->cell().y, -1);
  EXPECT_EQ(block->getPosition(), math::Vector3(-6.0f, -3.0f, 0.0f));
  EXPECT_TRUE(block->meshDirty());
  EXPECT_EQ(level.blockFromGeometry(&block->geometry()), block);

  struct Query {
    int column, row;
    bool inside, occupied;
  };
  const Query queries[] = {
      {-3, -2, true, false}, {-2, -1, true, true},  {0, 0, true, true},     {1, 0, false, false},
      {0, 1, false, false},  {-4, 0, false, false}, {-3, -3, false, false},
  };
  for (const Query &q : queries) {
    EXPECT_EQ(grid.contains(q.column, q.row), q.inside) << q.column << "," << q.row;
    EXPECT_EQ(grid.occupied(q.column, q.row), q.occupied) << q.column << "," << q.row;
  }
  EXPECT_EQ(grid.blockCount(), 2u);
  grid.clear();
  EXPECT_EQ(grid.blockCount(), 0u);
  EXPECT_EQ(grid.columns(), nullptr);
  EXPECT_EQ(level.blockTableCount(), 0u);
}

TEST(BlockGrid, ABonusBlockCoversItsFourCells) {
  TestLevel level(nullptr);
  BlockGrid &grid = level.blockGrid();
  // A bonus block at (1, 1); a normal block at (5, 1) and a stone at (5, 4).
  Layout layout(8, 8, 0, 0);
  layout.block(11, 1, 1).block(3, 5, 1).block(7, 5, 4).end();
  ASSERT_TRUE(grid.read(layout.stream()));
  Block *bonus = grid.blockAt(1, 1);
  for (auto [c, r] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}})
    EXPECT_EQ(grid.blockCovering(c, r), bonus) << c << "," << r;
  for (auto [c, r] : {std::pair{0, 1}, {3, 1}, {1, 3}, {3, 3}, {1, 0}})
    EXPECT_EQ(grid.blockCovering(c, r), nullptr) << c << "," << r;
  EXPECT_EQ(grid.blockCovering(5, 1), grid.blockAt(5, 1));
  // Beside, above and above-right of other blocks there is nothing.
  for (auto [c, r] : {std::pair{6, 1}, {5, 2}, {6, 2}, {6, 4}, {5, 5}, {6, 5}})
    EXPECT_EQ(grid.blockCovering(c, r), nullptr) << c << "," << r;
  // Cells outside the grid are covered by nothing.
  EXPECT_EQ(grid.blockCovering(-1, -1), nullptr);
  EXPECT_EQ(grid.blockCovering(8, 8), nullptr);
}

TEST(BlockGrid, WritingThenReadingGivesTheSameBlocks) {
  TestLevel level(nullptr);
  Layout layout(6, 4, -1, 2, 0xABCDu);
  // Every code, in writing order (columns outer, rows inner).
  layout.block(4, -1, 2).block(12, -1, 4).block(6, 0, 3).block(7, 1, 2).block(8, 2, 5);
  layout.block(0, 3, 2).block(200, 3, 3).block(14, 4, 4).end();
  ASSERT_TRUE(level.blockGrid().read(layout.stream()));
  file::BufferBinary written;
  level.blockGrid().write(written);
  // The unknown code comes back as the inert code, all else unchanged.
  std::string expected = bytesOf(layout.bytes);
  expected[20 + 6 * 5] = char(BlockGrid::inertCode);
  EXPECT_EQ(bytesOf(written), expected);

  TestLevel other(nullptr);
  written.seek(0);
  ASSERT_TRUE(other.blockGrid().read(written));
  EXPECT_EQ(written.bytesRemaining(), 0u);
  EXPECT_EQ(other.blockGrid().blockCount(), 8u);
  for (int32_t c = -1; c < 5; ++c)
    for (int32_t r = 2; r < 6; ++r) {
      ASSERT_EQ(other.blockGrid().occupied(c, r), level.blockGrid().occupied(c, r));
      if (!level.blockGrid().occupied(c, r))
        continue;
      EXPECT_EQ(other.blockGrid().blockAt(c, r)->kind(), level.blockGrid().blockAt(c, r)->kind());
      EXPECT_EQ(other.blockGrid().blockAt(c, r)->color(), level.blockGrid().blockAt(c, r)->color());
    }
}

TEST(BlockGrid, TheSnapshotFormKeepsLiveBlocksWithTheirState) {
  TestLevel level(nullptr);
  BlockGrid &grid = level.blockGrid();
  Layout layout(3, 3, 0, 0);
  layout.block(1, 0, 0).block(2, 1, 1).block(7, 2, 2).end();
  ASSERT_TRUE(grid.read(layout.stream()));
  grid.blockAt(0, 0)->setCharge(3);
  grid.blockAt(0, 0)->update(0.5f);
  grid.blockAt(1, 1)->smashQuietly();
  grid.blockAt(2, 2)->freezeInGroup(6);
  file::BufferBinary snapshot;
  grid.writeWithState(snapshot);

  TestLevel other(nullptr);
  snapshot.seek(0);
  ASSERT_TRUE(other.blockGrid().readWithState(snapshot));
  EXPECT_EQ(snapshot.bytesRemaining(), 0u);
  EXPECT_EQ(other.blockGrid().blockCount(), 2u);
  EXPECT_FALSE(other.blockGrid().occupied(1, 1));
  const Block *charged = other.blockGrid().blockAt(0, 0);
  EXPECT_EQ(charged->charge(), 3u);
  EXPECT_FLOAT_EQ(charged->chargeAge(), 0.5f);
  const Block *frozen = other.blockGrid().blockAt(2, 2);
  EXPECT_EQ(frozen->kind(), unsigned(Block::STONE));
  EXPECT_TRUE(frozen->frozen());
  EXPECT_EQ(frozen->group(), 6u);
  EXPECT_FLOAT_EQ(frozen->freezeDelay(), 0.075f);
  // The level-file form of the same grid keeps the dead block.
  file::BufferBinary plain;
  grid.write(plain);
  TestLevel third(nullptr);
  plain.seek(0);
  ASSERT_TRUE(third.blockGrid().read(plain));
  EXPECT_EQ(third.blockGrid().blockCount(), 3u);
}

TEST(BlockGrid, TheEndCodeInMidStreamEndsTheLayout) {
  TestLevel level(nullptr);
  Layout layout(4, 4, 0, 0);
  layout.block(0, 0, 0).end().block(1, 1, 1).end();
  ASSERT_TRUE(level.blockGrid().read(layout.stream()));
  EXPECT_EQ(level.blockGrid().blockCount(), 1u);
  EXPECT_EQ(layout.bytes.bytesRemaining(), 6u);
}

TEST(BlockGrid, ZeroSizesAndTheGrowthRule) {
  TestLevel level(nullptr);
  BlockGrid &grid = level.blockGrid();
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {0, 0}}) {
    Layout layout(w, h, 1, 1);
    layout.end();
    ASSERT_TRUE(grid.read(layout.stream())) << w << "x" << h;
    EXPECT_EQ(grid.columns(), nullptr);
    EXPECT_EQ(grid.size().width, 0);
    EXPECT_EQ(grid.origin().x, 0);
  }

  Layout layout(2, 2, 0, 0);
  layout.block(3, 1, 1).end();
  ASSERT_TRUE(grid.read(layout.stream()));
  Block *block = grid.blockAt(1, 1);
  // Inside: the cells stay.
  Block *const *const *cells = grid.columns();
  EXPECT_TRUE(grid.grow(0, 0, 2, 2));
  EXPECT_EQ(grid.columns(), cells);
  EXPECT_TRUE(grid.grow(0, 0, 0, 9));
  EXPECT_EQ(grid.size().height, 2);
  // Beyond: the union of both ranges, the block in its cell.
  EXPECT_TRUE(grid.grow(-2, 1, 1, 3));
  EXPECT_EQ(grid.origin().x, -2);
  EXPECT_EQ(grid.origin().y, 0);
  EXPECT_EQ(grid.size().width, 4);
  EXPECT_EQ(grid.size().height, 4);
  EXPECT_EQ(grid.blockAt(1, 1), block);
  EXPECT_EQ(grid.blockCount(), 1u);
  // Never past the bound.
  EXPECT_FALSE(grid.grow(0, 0, 1000, 1001));
  EXPECT_EQ(grid.size().width, 4);
}

TEST(BlockGrid, RecordsOutsideTheGridOrForAnOccupiedCellAreDroppedAndReportedOnce) {
  TestLevel level(nullptr);
  BlockGrid &grid = level.blockGrid();
  Layout layout(2, 2, 0, 0);
  layout.block(0, 0, 0).block(1, 5, 0).block(2, 0, 0).block(3, -1, 1).block(4, 0, 0);
  layout.block(5, 1, 1).end();
  std::string err;
  ASSERT_TRUE(readQuietly(grid, layout.stream(), err));
  EXPECT_EQ(grid.blockCount(), 2u);
  // The first record of a cell stands.
  EXPECT_EQ(grid.blockAt(0, 0)->color(), 0u);
  EXPECT_EQ(grid.blockAt(1, 1)->color(), 5u);
  // Nothing is left in the level's block table but the grid's blocks.
  EXPECT_EQ(level.blockTableCount(), 2u);
  EXPECT_EQ(occurrences(err, "WARNING"), 2u) << err;
  EXPECT_NE(err.find("2 records outside the grid skipped"), std::string::npos) << err;
  EXPECT_NE(err.find("2 records for occupied cells dropped"), std::string::npos) << err;

  // In the snapshot form their state records are passed over.
  Layout snapshot(2, 2, 0, 0);
  snapshot.block(0, 9, 9).plainState().block(1, 0, 0).plainState();
  snapshot.block(2, 0, 0).plainState().block(3, 1, 0).plainState().end();
  ASSERT_TRUE(readQuietly(grid, snapshot.stream(), err, true));
  EXPECT_EQ(snapshot.bytes.bytesRemaining(), 0u);
  EXPECT_EQ(grid.blockCount(), 2u);
  EXPECT_EQ(grid.blockAt(0, 0)->color(), 1u);
  EXPECT_EQ(level.blockTableCount(), 2u);

  // A grid without cells skips every record.
  Layout empty(0, 3, 0, 0);
  empty.block(0, 0, 0).end();
  ASSERT_TRUE(readQuietly(grid, empty.stream(), err));
  EXPECT_EQ(grid.blockCount(), 0u);
  EXPECT_NE(err.find("1 records outside the grid skipped"), std::string::npos) << err;
}

TEST(BlockGrid, RefusesNegativeAndHugeSizesWithoutCells) {
  struct Case {
    int32_t columns, rows, x, y;
  };
  const Case cases[] = {
      {-1, 4, 0, 0},
      {4, -1, 0, 0},
      {1001, 1000, 0, 0},
      {0x7FFFFFFF, 0x7FFFFFFF, 0, 0},
      // Cells past the last cell number.
      {4, 4, 0x7FFFFFFE, 0},
  };
  for (const Case &c : cases) {
    TestLevel level(nullptr);
    Layout layout(c.columns, c.rows, c.x, c.y);
    layout.block(0, 0, 0).end();
    std::string err;
    EXPECT_FALSE(readQuietly(level.blockGrid(), layout.stream(), err)) << c.columns;
    EXPECT_EQ(level.blockGrid().columns(), nullptr) << c.columns;
    EXPECT_EQ(level.blockGrid().blockCount(), 0u) << c.columns;
    EXPECT_EQ(level.blockTableCount(), 0u) << c.columns;
    EXPECT_NE(err.find("refused"), std::string::npos) << err;
  }
  // A million cells are still a level.
  TestLevel level(nullptr);
  Layout layout(1000, 1000, 0, 0);
  layout.block(0, 999, 999).end();
  ASSERT_TRUE(level.blockGrid().read(layout.stream()));
  EXPECT_EQ(level.blockGrid().blockCount(), 1u);
}

TEST(BlockGrid, ALayoutThatEndsEarlyIsRefusedWhole) {
  Layout layout(3, 3, 0, 0);
  layout.block(0, 0, 0).block(9, 1, 1).end();
  Layout snapshot(3, 3, 0, 0);
  snapshot.block(0, 0, 0);
  file::write(uint8_t(17), snapshot.bytes);
  file::write(uint8_t(2), snapshot.bytes);
  file::write(0.5f, snapshot.bytes);
  snapshot.end();
  for (bool withState : {false, true}) {
    const Layout &whole = withState ? snapshot : layout;
    for (uint32_t n = 0; n < whole.bytes.size(); ++n) {
      TestLevel level(nullptr);
      file::BufferBinary part = whole.cut(n);
      std::string err;
      EXPECT_FALSE(readQuietly(level.blockGrid(), part, err, withState)) << n;
      EXPECT_EQ(level.blockGrid().blockCount(), 0u) << n;
      EXPECT_EQ(level.blockTableCount(), 0u) << n;
    }
  }
}
