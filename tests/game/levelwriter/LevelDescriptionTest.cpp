// Hand-made level descriptions: what they make, the mistakes they are
// refused for, and the rule that a written level can be completed.

#include "LevelText.h"
#include "LevelWriter.h"
#include "Reach.h"

#include "engine/Block.h"
#include "engine/BlockColors.h"
#include "engine/Level.h"
#include "engine/Secret.h"
#include "engine/Tube.h"
#include "file/BufferBinary.h"
#include "support/FakeWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace levelwriter;

LevelPlan planOf(const std::string &description) {
  LevelPlan plan;
  std::string error;
  EXPECT_TRUE(readDescription(description, plan, error)) << error;
  return plan;
}

} // namespace

TEST(LevelDescription, RoomsIslandsBlocksAndValues) {
  const LevelPlan plan = planOf(R"(# two rooms
background backgroundSky
interior interiorSky
par 75
margins 90 110.5
ball 1 0
map -2 4
.....   ...
.###.   RR.
.###.   RR.
..t..   .@.
.....   ...
end
)");
  EXPECT_EQ(plan.background, "backgroundSky");
  EXPECT_EQ(plan.interior, "interiorSky");
  EXPECT_EQ(plan.parTime, 75u);
  EXPECT_EQ(plan.marginX, 90.0f);
  EXPECT_EQ(plan.marginY, 110.5f);
  EXPECT_EQ(plan.ballColumn, 1);
  EXPECT_EQ(plan.ballRow, 0);
  ASSERT_EQ(plan.rooms.size(), 2u);
  const CellRect &first = plan.rooms[0].area, &second = plan.rooms[1].area;
  EXPECT_EQ((std::vector<int32_t>{first.left, first.bottom, first.right, first.top}),
            (std::vector<int32_t>{-2, 0, 2, 4}));
  EXPECT_EQ((std::vector<int32_t>{second.left, second.bottom, second.right, second.top}),
            (std::vector<int32_t>{6, 0, 8, 4}));
  ASSERT_EQ(plan.rooms[0].islands.size(), 1u);
  const CellRect &island = plan.rooms[0].islands[0];
  EXPECT_EQ((std::vector<int32_t>{island.left, island.bottom, island.right, island.top}),
            (std::vector<int32_t>{-1, 2, 1, 3}));
  EXPECT_EQ(plan.roomAt(0, 2), -1);
  EXPECT_EQ(plan.roomAt(7, 4), 1);

  // A bonus block sits at the lower left of its 2 x 2 cells.
  ASSERT_EQ(plan.blocks.size(), 3u);
  // Colours in the map letters' order: blue, green, magenta, orange, red, teal.
  const unsigned red = 4, teal = 5;
  struct Expected {
    unsigned kind, colour;
    int32_t column, row;
  };
  const Expected expected[] = {
      {Block::NORMAL, teal, 0, 1},
      {Block::ROUND, COLOR_NONE, 7, 1},
      {Block::BONUS, red, 6, 2},
  };
  for (const Expected &e : expected) {
    const PlacedBlock *block = plan.blockAt(e.column, e.row);
    ASSERT_NE(block, nullptr) << e.column << ", " << e.row;
    EXPECT_EQ(block->kind, e.kind);
    EXPECT_EQ(block->colour, e.colour);
  }
  EXPECT_EQ(plan.blockAt(7, 3), plan.blockAt(6, 2));
}

TEST(LevelDescription, MistakesAreRefusedWithTheirLine) {
  struct Case {
    const char *name;
    const char *text;
    const char *error;
  };
  const Case cases[] = {
      {"unknown setting", "ball 0 0\nspeed 3\n", "line 2: unknown setting 'speed'"},
      {"a value missing", "par\n", "line 1: 'par' takes 1 value"},
      {"par not whole", "par 1.5\n", "line 1: the par time is whole seconds"},
      {"negative margins", "margins -1 3\n", "line 1: the margins are two numbers of pixels"},
      {"ball not a cell", "ball a 0\n", "line 1: the ball starts at a cell"},
      {"lava corners crossed", "lava 2 0 1 3\n", "line 1: a lava pool is the cells from"},
      {"lava short of a corner", "lava 0 0 1\n", "line 1: 'lava' takes 4 values"},
      {"secret corners crossed", "secret 0 3 1 2\n", "line 1: a secret area is the cells from"},
      {"a tube of three cells", "tube 0 0 1 0 2 0\n", "line 1: a tube runs through four cells"},
      {"a tube's cell half given", "tube 0 0 1 0 2 0 3 0 4\n",
       "line 1: a tube runs through four cells"},
      {"a tube's cell not a number", "tube 0 0 1 0 2 x 3 0\n",
       "line 1: a tube runs through four cells"},
      {"no map", "ball 0 0\n", "no map"},
      {"no ball", "map 0 0\n.r\nend\n", "no 'ball' line"},
      {"map without end", "ball 0 0\nmap 0 0\n.r\n", "line 2: the map has no line 'end'"},
      {"two maps", "ball 0 0\nmap 0 0\n.r\nend\nmap 5 5\n.\nend\n", "line 5: a second map"},
      {"unknown cell", "ball 0 0\nmap 0 0\n.r?\nend\n", "the map has '?' at (2, 0)"},
      {"room not a rectangle", "ball 0 0\nmap 0 1\n..\n.\nend\n",
       "the room at (0, 1) is not a rectangle: no floor at (1, 0)"},
      {"island against the wall", "ball 0 0\nmap 0 2\n...\n#..\n...\nend\n",
       "the island at (0, 1) touches its room's wall"},
      {"island not a rectangle", "ball 0 0\nmap 0 4\n.....\n.##..\n.#...\n.....\n.....\nend\n",
       "the island at (1, 3) is not a rectangle"},
      {"bonus block short of a cell", "ball 0 0\nmap 0 2\n...\n.GG\n.G.\nend\n",
       "the bonus block at (1, 0) needs 2 x 2 cells of its letter"},
      {"chomp not a cell", "chomp 1\n", "line 1: 'chomp' takes 2 values"},
      {"chomp of words", "chomp a b\n", "line 1: a chomp sits in a cell"},
      {"fire without spokes", "fire 0 0 90 9 0 0\n", "line 1: a fire is its cell"},
      {"fire of too many spokes", "fire 0 0 90 9 0 256\n", "line 1: a fire is its cell"},
      {"fire of no length", "fire 0 0 90 0 0 3\n", "line 1: a fire is its cell"},
      {"fire short of a value", "fire 0 0 90 9 0\n", "line 1: 'fire' takes 6 values"},
      {"bug neither open nor closed", "moneybug round 0 0 1 1\n", "line 1: a money bug is"},
      {"bug without a path", "moneybug open\n", "line 1: a money bug is"},
      {"bug short of a row", "moneybug open 0 0 1\n", "line 1: a money bug is"},
      {"bug of words", "moneybug closed 0 0 a 1\n", "line 1: a money bug's path is cells"},
      {"door neither open nor closed", "door 0 0 0 3 ajar\n",
       "line 1: a door is two cells, then 'open' or 'closed'"},
      {"door short of a cell", "door 0 0 3 closed\n", "line 1: 'door' takes 5 values"},
      {"switch not a cell", "switch 1.5 0\n", "line 1: a switch is at a cell"},
      {"gate with three durations", "gate 0 0 3 0 1 2 1 1\n",
       "line 1: 'gate' takes two cells, then a phase and then four durations"},
      {"gate with a negative duration", "gate 0 0 3 0 0 2 -1 1 0.1\n",
       "line 1: a gate is two cells, a phase and four durations"},
      {"gate with an endless phase", "gate 0 0 3 0 inf\n",
       "line 1: a gate is two cells, a phase and four durations"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    LevelPlan plan;
    std::string error;
    EXPECT_FALSE(readDescription(c.text, plan, error));
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

TEST(LevelDescription, DoorsSwitchesAndGatesAreWrittenWhereTheySay) {
  const LevelPlan plan = planOf(R"(ball 0 0
door -1 2 1 2 closed
door 2 -1 2 1 open
switch 1 -1
gate -2 3 2 3
gate -2 4 2 4 2.5 3 1 2 0.5
map -2 4
.....
.....
..r..
.....
.....
.....
end
)");
  ASSERT_EQ(plan.doors.size(), 2u);
  EXPECT_TRUE(plan.doors[0].closed);
  EXPECT_FALSE(plan.doors[1].closed);
  ASSERT_EQ(plan.switches.size(), 1u);
  ASSERT_EQ(plan.gates.size(), 2u);
  EXPECT_EQ(plan.gates[0].phase, 0.0f);
  EXPECT_EQ(plan.gates[0].durations[3], 0.1f);
  EXPECT_EQ(plan.gates[1].durations[1], 1.0f);

  file::BufferBinary bytes;
  std::string error;
  ASSERT_TRUE(levelFile(plan, bytes, error)) << error;
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  bytes.seek(0);
  Level level(nullptr);
  ASSERT_TRUE(level.load(bytes));
  ASSERT_EQ(level.doors().size(), 2u);
  EXPECT_EQ(level.doors()[0]->state(), uint32_t(Door::CLOSED));
  EXPECT_FLOAT_EQ(level.doors()[0]->endA().x, -3.0f);
  EXPECT_FLOAT_EQ(level.doors()[0]->endB().y, 6.0f);
  EXPECT_EQ(level.doors()[1]->state(), uint32_t(Door::OPEN));
  ASSERT_EQ(level.switches().size(), 1u);
  EXPECT_EQ(level.switches()[0]->cell().x, 1);
  EXPECT_EQ(level.switches()[0]->cell().y, -1);
  ASSERT_EQ(level.gates().size(), 2u);
  EXPECT_EQ(level.gates()[0]->state(), uint32_t(Gate::OFF));
  // 2.5 s into a cycle whose off state lasts 3 s: still off.
  EXPECT_EQ(level.gates()[1]->state(), uint32_t(Gate::OFF));
  EXPECT_FLOAT_EQ(level.gates()[1]->stateTime(), 2.5f);
  EXPECT_FLOAT_EQ(level.gates()[1]->duration(Gate::ON), 2.0f);
  EXPECT_FLOAT_EQ(level.gates()[1]->to().y, 12.0f);
}

TEST(LevelDescription, OnlyACompletableLevelIsWritten) {
  struct Case {
    const char *name;
    const char *map;
    const char *ball;
    const char *refusal;
  };
  const Case cases[] = {
      {"open floor", "....\n.r..\n....\n", "0 0", nullptr},
      {"through breakable and stone blocks", "....\nbbb.\n%r%.\n%%%.\n", "3 0", nullptr},
      {"no coloured block", "....\n.X%@\n....\n", "0 0", "it has no coloured block"},
      {"the ball off the map", "....\n.r..\n....\n", "9 9",
       "the ball starts off the floor at (9, 9)"},
      {"the ball on an island", ".....\n.#.r.\n.....\n", "1 1",
       "the ball starts off the floor at (1, 1)"},
      {"the ball in a block", "....\n.r..\n....\n", "1 1", "the ball starts in a block at (1, 1)"},
      {"the ball in a bonus block", "....\n.GG.\n.GG.\n", "2 1",
       "the ball starts in a block at (2, 1)"},
      {"walled in by unbreakable blocks", "....\nXXX.\nXrX.\nXXX.\n", "3 0",
       "the ball cannot reach the block at (1, 1)"},
      {"behind round blocks", "....\n@@..\nr@..\n", "3 0",
       "the ball cannot reach the block at (0, 0)"},
      {"behind an island and unbreakable blocks", ".......\n.#XX...\n.#rX...\n.XXX...\n.......\n",
       "6 0", "the ball cannot reach the block at (2, 2)"},
      {"in another room", "...  ...\n...  .r.\n...  ...\n", "0 0",
       "the ball cannot reach the block at (6, 1)"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    // The map's bottom row is row 0.
    const std::string map = c.map;
    const auto rows = std::count(map.begin(), map.end(), '\n');
    const std::string text = std::string("ball ") + c.ball + "\nmap 0 " + std::to_string(rows - 1) +
                             "\n" + map + "end\n";
    LevelPlan plan;
    std::string error;
    ASSERT_TRUE(readDescription(text, plan, error)) << error;
    file::BufferBinary out;
    const bool written = levelFile(plan, out, error);
    if (!c.refusal) {
      EXPECT_TRUE(written) << error;
      EXPECT_GT(out.size(), 0u);
      continue;
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error, c.refusal);
  }
}

TEST(LevelDescription, TheFillFollowsLinksAsTheBallFollowsTubes) {
  LevelPlan plan = planOf("ball 0 0\nmap 0 2\n...  ...\n...  .r.\n...  ...\nend\n");
  EXPECT_FALSE(Reach(plan, {}).reached(6, 1));
  const Reach linked(plan, {CellLink{2, 2, 5, 0}});
  EXPECT_TRUE(linked.reached(6, 1));
  // A link leads one way only.
  const Reach backwards(plan, {CellLink{5, 0, 2, 2}});
  EXPECT_FALSE(backwards.reached(6, 1));
}

TEST(LevelDescription, CoinsLieOnTheFloorCellsOfTheMap) {
  const LevelPlan plan = planOf(R"(ball 0 0
map -1 2
$.b
.$.
.$$
end
)");
  ASSERT_EQ(plan.rooms.size(), 1u);
  EXPECT_EQ(plan.rooms[0].area.columns(), 3);
  const std::vector<std::pair<int32_t, int32_t>> cells = {{0, 0}, {1, 0}, {0, 1}, {-1, 2}};
  EXPECT_EQ(plan.coins, cells);
  EXPECT_EQ(plan.blocks.size(), 1u);
  EXPECT_EQ(plan.blockAt(-1, 2), nullptr);
}

TEST(LevelDescription, SecretsAndTubesAreWrittenAndATubeLeadsTheBallToAnotherRoom) {
  const std::string text = "ball 0 0\nsecret 0 1 2 2\nsecret 0 0 0 1\n"
                           "tube 1 1 2 1 5 1 6 1\nmap 0 2\n...  ...\n...  .r.\n...  ...\nend\n";
  const LevelPlan plan = planOf(text);
  ASSERT_EQ(plan.secrets.size(), 2u);
  ASSERT_EQ(plan.tubes.size(), 1u);
  EXPECT_EQ(plan.tubes[0].size(), 4u);
  file::BufferBinary out;
  std::string error;
  // The block in the second room is reached through the tube.
  ASSERT_TRUE(levelFile(plan, out, error)) << error;

  out.seek(0);
  Level level(nullptr);
  ASSERT_TRUE(level.load(out));
  ASSERT_EQ(level.secrets().size(), 2u);
  ASSERT_EQ(level.tubes().size(), 1u);
  // The long sides of a secret run its longer way: across for the first,
  // upright for the second.
  struct Corners {
    int32_t c[8];
  };
  const Corners expected[] = {{{0, 1, 0, 3, 3, 1, 3, 3}}, {{0, 0, 1, 0, 0, 2, 1, 2}}};
  for (uint32_t s = 0; s < 2; ++s)
    for (uint32_t i = 0; i < 4; ++i) {
      EXPECT_EQ(level.secrets()[s]->corner(i).x, expected[s].c[2 * i]) << s << " " << i;
      EXPECT_EQ(level.secrets()[s]->corner(i).y, expected[s].c[2 * i + 1]) << s << " " << i;
    }
  const Tube &tube = *level.tubes()[0];
  ASSERT_EQ(tube.path().controlPointCount(), 4u);
  EXPECT_EQ(tube.path().controlPoint(1).x, 6.0f);
  EXPECT_EQ(tube.path().controlPoint(2).x, 15.0f);
  EXPECT_EQ(tube.path().controlPoint(2).y, 3.0f);
  EXPECT_TRUE(tube.hasPath());
}
