// The level file read into a Level: its sections, the floor areas and their
// look-up, the block faces, the camera's home, refusal of damaged files,
// and the writer's bytes read back.

#include "engine/LevelFile.h"
#include "engine/Block.h"
#include "engine/BlockGeometry.h"
#include "engine/BonusGeometry.h"
#include "engine/FloorArea.h"
#include "engine/Level.h"
#include "file/BinaryPrimitives.h"
#include "game/LevelFileBytes.h"
#include "mesh/MeshDefinition.h"
#include "support/FakeWindow.h"

#include "LevelText.h"
#include "LevelWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FakeWindow;
using testing_support::WindowSwap;

// The sections the writer puts after the floor areas: par time, ball start,
// camera margins and the end tag.
constexpr size_t writtenSectionBytes = 1 + 4 + 1 + 8 + 1 + 8 + 1;

std::string fileOf(const std::string &description) {
  levelwriter::LevelPlan plan;
  std::string error;
  file::BufferBinary out;
  EXPECT_TRUE(levelwriter::readDescription(description, plan, error)) << error;
  EXPECT_TRUE(levelwriter::levelFile(plan, out, error)) << error;
  return gametest::bytesOf(out);
}

// The file up to its sections.
std::string headOf(const std::string &file) {
  return file.substr(0, file.size() - writtenSectionBytes);
}

// Section bytes as the tests spell them.
struct Sections {
  std::string bytes;
  template <typename T> Sections &add(const T &value) {
    file::BufferBinary out;
    file::write(value, out);
    bytes += gametest::bytesOf(out);
    return *this;
  }
  Sections &tag(uint8_t t) { return add(t); }
  Sections &word(uint32_t w) { return add(w); }
  Sections &pair(float x, float y) { return add(math::Vector2(x, y)); }
  const std::string &str() const { return bytes; }
};

std::pair<float, float> xy(const math::Vector2 &v) { return {v.x, v.y}; }
std::pair<int32_t, int32_t> xy(const math::Vector2i &v) { return {v.x, v.y}; }

bool load(Level &level, const std::string &bytes) {
  file::BufferBinary in;
  gametest::fill(in, bytes);
  return level.load(in);
}

// Two rooms side by side, an island in the first, blocks of each kind the
// grid holds.
const char *twoRooms = R"(
background backgroundSky
interior interiorSky
par 42
margins 80 120
ball 1 0
map 0 6
.......  .....
.RR.b..  .X.@.
.RR.X..  .....
.......  .%...
..##.g.  .....
..##...  .....
.......  .....
end
)";

// A kind of object as the list sections read and write it: its record is
// one word, and the word 0 is refused.
struct Marker {
  explicit Marker(Level &) {}
  bool readLevelRecord(file::ByteProducer &in) {
    file::read(word, in);
    return word != 0;
  }
  void writeLevelRecord(file::ByteReceiver &out) const { file::write(word, out); }
  uint32_t word = 0;
};

std::vector<uint32_t> wordsOf(const ObjectList<Marker> &list) {
  std::vector<uint32_t> words;
  for (const Marker *m : list)
    words.push_back(m->word);
  return words;
}

class LevelFile : public testing::Test {
protected:
  FakeWindow window{320, 480};
  WindowSwap swap{&window};
};

} // namespace

TEST_F(LevelFile, AFirstEndTagLeavesTheDefaultsAndEmptyLists) {
  Level level(nullptr);
  ASSERT_TRUE(load(level, headOf(fileOf(twoRooms)) + Sections().tag(levelfile::END).str()));
  EXPECT_EQ(level.parTime(), 99u);
  EXPECT_EQ(xy(level.cameraMargins()), xy(math::Vector2(100.0f, 100.0f)));
  EXPECT_EQ(xy(level.ballStart()), xy(math::Vector2(0.0f, 0.0f)));
  // The head is whole: the grid, the floor areas, the names.
  EXPECT_EQ(level.floorAreaCount(), 2u);
  EXPECT_EQ(level.floorArea(0).furtherWallCount(), 1u);
  EXPECT_EQ(level.blockGrid().blockCount(), 7u);
  EXPECT_EQ(level.backgroundName(), SYM(L"backgroundSky"));
  EXPECT_EQ(level.interiorName(), SYM(L"interiorSky"));
}

TEST_F(LevelFile, SectionsComeInAnyOrderAndALaterOneWins) {
  using namespace levelfile;
  struct Case {
    const char *name;
    Sections sections;
    bool loads;
    uint32_t par;
    math::Vector2 start, margins;
  };
  const math::Vector2 origin(0.0f, 0.0f), margins(100.0f, 100.0f);
  Case cases[] = {
      {"two ball starts",
       Sections().tag(BALL_START).pair(1, 2).tag(BALL_START).pair(3, 4).tag(END),
       true,
       99,
       {3, 4},
       margins},
      {"two par times", Sections().tag(PAR_TIME).word(30).tag(PAR_TIME).word(45).tag(END), true, 45,
       origin, margins},
      {"margins before the start",
       Sections().tag(CAMERA_MARGINS).pair(10, 20).tag(BALL_START).pair(-6, 9).tag(END),
       true,
       99,
       {-6, 9},
       {10, 20}},
      {"tags without a body", Sections().tag(15).tag(200).tag(254).tag(PAR_TIME).word(7).tag(END),
       true, 7, origin, margins},
      {"an empty list of each kind",
       Sections()
           .tag(CHOMPS)
           .word(0)
           .tag(TAR_BALLS)
           .word(0)
           .tag(GATES)
           .word(0)
           .tag(SECRETS)
           .word(0)
           .tag(LAVAS)
           .word(0)
           .tag(TUBES)
           .word(0)
           .tag(FIRES)
           .word(0)
           .tag(MONEY_BUGS)
           .word(0)
           .tag(WORMS)
           .word(0)
           .tag(COINS)
           .word(0)
           .tag(DOORS)
           .word(0)
           .tag(SWITCHES)
           .word(0)
           .tag(END),
       true, 99, origin, margins},
      // Records of a kind the game does not hold cannot be skipped.
      {"a list of records", Sections().tag(GATES).word(1).word(0).word(0).tag(END), false, 0,
       origin, margins},
      {"a count past the end", Sections().tag(WORMS).word(0xFFFFFFFFu).tag(END), false, 0, origin,
       margins},
      {"no end tag", Sections().tag(PAR_TIME).word(30), false, 0, origin, margins},
      {"a value cut short", Sections().tag(BALL_START).word(0), false, 0, origin, margins},
  };
  const std::string head = headOf(fileOf(twoRooms));
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Level level(nullptr);
    testing::internal::CaptureStderr();
    const bool loaded = load(level, head + c.sections.str());
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_EQ(loaded, c.loads) << log;
    if (!c.loads) {
      EXPECT_NE(log.find("Level file: "), std::string::npos);
      continue;
    }
    EXPECT_EQ(level.parTime(), c.par);
    EXPECT_EQ(xy(level.ballStart()), xy(c.start));
    EXPECT_EQ(xy(level.cameraMargins()), xy(c.margins));
  }
}

TEST_F(LevelFile, AListSectionReplacesItsListAndIsWrittenOnlyWhenItHoldsObjects) {
  Level level(nullptr);
  ObjectList<Marker> written;
  file::BufferBinary out;
  levelfile::writeList(levelfile::COINS, written, out);
  EXPECT_EQ(out.size(), 0u);
  for (uint32_t w : {7u, 9u}) {
    written.append(new Marker(level));
    written.last()->word = w;
  }
  levelfile::writeList(levelfile::COINS, written, out);
  EXPECT_EQ(out.size(), 1u + 4u + 2u * 4u);

  struct Case {
    const char *name;
    std::string body;
    bool reads;
    std::vector<uint32_t> words;
  };
  const std::string records = gametest::bytesOf(out).substr(1);
  const Case cases[] = {
      {"two records", records, true, {7, 9}},
      {"an empty list", Sections().word(0).str(), true, {}},
      {"a refused record", Sections().word(2).word(5).word(0).str(), false, {5, 0}},
      // What was made before the refusal stays; the level is refused whole.
      {"a record cut short", records.substr(0, records.size() - 1), false, {7, 9}},
      // Nothing is made for a count more than the bytes left.
      {"a count past the bytes", Sections().word(9).word(1).word(1).str(), false, {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ObjectList<Marker> list;
    list.append(new Marker(level));
    file::BufferBinary in;
    gametest::fill(in, c.body);
    EXPECT_EQ(levelfile::readList(level, list, in), c.reads);
    EXPECT_EQ(wordsOf(list), c.words);
  }
}

TEST_F(LevelFile, FloorAreaLookUp) {
  Level empty(nullptr);
  ASSERT_TRUE(load(empty, gametest::emptyLevelFile()));
  EXPECT_EQ(empty.floorAreaCount(), 0u);
  for (const math::Vector3 &p : {math::Vector3(0, 0, 0), math::Vector3(-50, 300, 0)}) {
    EXPECT_EQ(empty.floorAreaAt(p), 0u);
    EXPECT_FALSE(empty.onFloor(p));
  }

  Level level(nullptr);
  ASSERT_TRUE(load(level, fileOf(twoRooms)));
  struct Case {
    const char *name;
    math::Vector2i cell;
    uint32_t area;
    bool onFloor;
  };
  const Case cases[] = {
      {"first room", {1, 0}, 0, true},
      {"second room", {11, 3}, 1, true},
      {"under a block: blocks are no walls", {4, 5}, 0, true},
      {"the island", {2, 1}, 0, false},
      {"the gap between the rooms", {8, 3}, 0, false},
      {"far off", {40, 40}, 0, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const math::Vector3 p = Level::cellCentre(c.cell);
    EXPECT_EQ(level.floorAreaAt(p), c.area);
    EXPECT_EQ(level.onFloor(p), c.onFloor);
  }
}

TEST_F(LevelFile, CellsAndWorldPoints) {
  EXPECT_EQ(Level::cellCentre({2, -1}), math::Vector3(6.0f, -3.0f, 0.0f));
  EXPECT_EQ(Level::cellCorner({2, -1}), math::Vector3(4.5f, -4.5f, 0.0f));
  struct Case {
    float x, y;
    math::Vector2i cell;
  };
  const Case cases[] = {
      {0.0f, 0.0f, {0, 0}},
      // Exact halves round down, on both sides of 0.
      {1.5f, 4.5f, {0, 1}},
      {-1.5f, -4.5f, {-1, -2}},
      {1.51f, -1.49f, {1, 0}},
      {299.0f, -301.0f, {100, -100}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(xy(Level::worldToCell(math::Vector3(c.x, c.y, 0.0f))), xy(c.cell))
        << c.x << ", " << c.y;
}

TEST_F(LevelFile, BlockFacesOpenWhereNoSolidCellIsBeside) {
  // A bonus block at (1, 1) with a round block left of it, an unbreakable
  // block below and a blue block right; blocks along the grid's top row and
  // the bottom edge.
  Level level(nullptr);
  ASSERT_TRUE(load(level, fileOf(R"(
ball 4 0
map 0 3
rg...
.RRb.
@RR..
.X...
end
)")));
  using namespace blockcell;
  const BlockGrid &grid = level.blockGrid();
  struct Case {
    const char *name;
    int32_t column, row;
    uint32_t mask;
  };
  const Case cases[] = {
      {"top-left corner of the grid", 0, 3, FACE_MINUS_X | FACE_PLUS_Y | FACE_MINUS_Y},
      {"on the top row beside it", 1, 3, FACE_PLUS_X | FACE_PLUS_Y},
      {"right of the bonus block", 3, 2, FACE_PLUS_X | FACE_PLUS_Y | FACE_MINUS_Y},
      {"below it, on the bottom row", 1, 0, FACE_MINUS_X | FACE_PLUS_X | FACE_MINUS_Y},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(grid.occupied(c.column, c.row));
    EXPECT_EQ(static_cast<BlockGeometry &>(grid.blockAt(c.column, c.row)->geometry()).faceMask(),
              c.mask);
  }
  // Each quadrant's two outer sides; a round block is not solid.
  const auto &bonus = static_cast<BonusGeometry &>(grid.blockAt(1, 1)->geometry());
  const uint32_t quadrants[4] = {FACE_MINUS_X, FACE_MINUS_X, FACE_PLUS_Y,
                                 FACE_PLUS_X | FACE_MINUS_Y};
  for (uint32_t q = 0; q < 4; ++q)
    EXPECT_EQ(bonus.faceMask(q), quadrants[q]) << "quadrant " << q;
}

TEST_F(LevelFile, TheCameraStaysHomeWhenTheFloorFitsAndStartsAtTheBallOtherwise) {
  // The view at height 55 spans about 13 x 21 cells of a 320 x 480 window.
  auto room = [](int columns, int rows, int ballRow) {
    std::string text =
        "ball 1 " + std::to_string(ballRow) + "\nmap 0 " + std::to_string(rows - 1) + "\n";
    for (int r = 0; r < rows; ++r)
      text += (r == 0 ? "r" : ".") + std::string(size_t(columns - 1), '.') + "\n";
    return text + "end\n";
  };
  struct Case {
    const char *name;
    std::string description;
    bool fits;
    math::Vector3 camera;
  };
  const Case cases[] = {
      {"a small room", room(5, 9, 2), true, {0.0f, 0.0f, 55.0f}},
      {"a room wider than the view", room(15, 9, 2), false, {3.0f, 6.0f, 55.0f}},
      {"a room taller than the view", room(5, 30, 20), false, {3.0f, 60.0f, 55.0f}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Level level(nullptr);
    ASSERT_TRUE(load(level, fileOf(c.description)));
    EXPECT_EQ(level.fitsOnScreen(), c.fits);
    EXPECT_EQ(level.camera().position(), c.camera);
  }
}

TEST_F(LevelFile, EveryPrefixOfALevelFileIsRefused) {
  const std::string whole = fileOf(twoRooms);
  Level level(nullptr);
  testing::internal::CaptureStderr();
  for (size_t n = 0; n < whole.size(); ++n)
    EXPECT_FALSE(load(level, whole.substr(0, n))) << n << " of " << whole.size() << " bytes";
  testing::internal::GetCapturedStderr();
  // The level that refused them all still reads the whole file.
  EXPECT_TRUE(load(level, whole));
  EXPECT_EQ(level.floorAreaCount(), 2u);
}

TEST_F(LevelFile, FloorIndicesNameTheirPointsAndThePointsFitSixteenBits) {
  struct Case {
    const char *name;
    uint32_t points;
    uint32_t lastIndex;
    bool loads;
  };
  const Case cases[] = {
      {"the last point", 4, 3, true},
      {"one past the points", 4, 4, false},
      {"far past them", 4, 0x10003, false},
      {"as many points as 16 bits index", FloorArea::maxPoints, FloorArea::maxPoints - 1, true},
      {"one point more", FloorArea::maxPoints + 1, 0, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Level written(nullptr);
    container::Vector<math::Vector2i> points;
    for (uint32_t i = 0; i < c.points; ++i)
      points.push(math::Vector2i(int32_t(i % 256), int32_t(i / 256)));
    container::Vector<uint32_t> indices;
    for (uint32_t i : {0u, 1u, c.lastIndex})
      indices.push(i);
    written.addFloorArea().setFloor(points, indices);
    file::BufferBinary out;
    written.writeFile(out);

    Level level(nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(load(level, gametest::bytesOf(out)), c.loads);
    testing::internal::GetCapturedStderr();
    if (c.loads) {
      EXPECT_EQ(level.floorArea(0).floorMesh().vertexCount(), c.points);
    }
  }
}

TEST_F(LevelFile, AWrittenLevelReadBackWritesTheSameBytes) {
  const std::string whole = fileOf(twoRooms);
  Level level(nullptr);
  ASSERT_TRUE(load(level, whole));
  EXPECT_EQ(level.parTime(), 42u);
  EXPECT_EQ(xy(level.cameraMargins()), xy(math::Vector2(80.0f, 120.0f)));
  EXPECT_EQ(xy(level.ballStart()), xy(math::Vector2(3.0f, 0.0f)));
  file::BufferBinary again;
  level.writeFile(again);
  EXPECT_EQ(gametest::bytesOf(again), whole);
}

TEST_F(LevelFile, LavaPoolsOfTheDescriptionAreWrittenAndReadBack) {
  const std::string description = std::string(twoRooms) + "lava 1 0 2 1\nlava 10 5 10 5\n";
  const std::string bytes = fileOf(description);
  Level level(nullptr);
  ASSERT_TRUE(load(level, bytes));
  ASSERT_EQ(level.lavas().size(), 2u);
  // Round the cells' outer corners.
  const Lava &pool = *level.lavas()[0];
  ASSERT_EQ(pool.outline().size(), 4u);
  EXPECT_EQ(xy(pool.outline()[0]), xy(math::Vector2(1.5f, -1.5f)));
  EXPECT_EQ(xy(pool.outline()[2]), xy(math::Vector2(7.5f, 4.5f)));
  EXPECT_EQ(pool.triangles().size(), 6u);
  EXPECT_EQ(pool.bounds().width, 6.0f);
  EXPECT_EQ(pool.bounds().height, 6.0f);
  file::BufferBinary again;
  level.writeFile(again);
  EXPECT_EQ(gametest::bytesOf(again), bytes);

  // A triangle index past the pool's points refuses the level.
  std::string damaged = bytes;
  // The second pool's count of six indices, then its first three.
  const size_t at = damaged.rfind(std::string("\x06\x00\x00\x00\x01\x00\x02\x00", 8));
  ASSERT_NE(at, std::string::npos);
  damaged[at + 4] = '\x04';
  Level refused(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(load(refused, damaged));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("refused"), std::string::npos);
}
