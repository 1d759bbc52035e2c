#include "BlockWorld.h"

#include "LevelWriter.h"
#include "engine/Coin.h"
#include "engine/CylinderGeometry.h"
#include "engine/MoneyBug.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

container::Vector<math::Vector2> pointsOf(std::initializer_list<math::Vector2> points) {
  container::Vector<math::Vector2> path;
  for (const math::Vector2 &p : points)
    path.push(p);
  return path;
}

// A level record as a level file may hold it: its lengths and path length
// whatever the writer put there.
void writeBugRecord(file::BufferBinary &out, const std::vector<math::Vector2> &points,
                    const std::vector<float> &lengths, float pathLength, bool closed) {
  file::write(0.0f, out);
  file::write(0.0f, out);
  file::write(uint16_t(points.size()), out);
  for (const math::Vector2 &p : points) {
    file::write(p.x, out);
    file::write(p.y, out);
  }
  file::write(uint16_t(lengths.size()), out);
  for (float length : lengths)
    file::write(length, out);
  file::write(pathLength, out);
  file::write(uint8_t(closed ? 1 : 0), out);
  file::write(0.0f, out);
}

void expectAt(const MoneyBug &bug, float x, float y) {
  EXPECT_NEAR(bug.getPosition().x, x, 1e-3f);
  EXPECT_NEAR(bug.getPosition().y, y, 1e-3f);
}

class MoneyBugTest : public BlockWorld {
protected:
  MoneyBug *bugOn(const container::Vector<math::Vector2> &path, bool closed) {
    auto *bug = new MoneyBug(*level);
    bug->setPath(path, closed);
    level->addMoneyBug(bug);
    return bug;
  }
  void touch(MoneyBug &bug) { bug.onContact(nullptr, &ball().structure(), 0); }
  void playingBall() {
    ball().setState(Ball::WAITING);
    ball().setState(Ball::PLAYING);
  }
  // A level of one room read from its written file.
  void loadRoom(const levelwriter::LevelPlan &plan) {
    file::BufferBinary bytes;
    std::string error;
    ASSERT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
    bytes.seek(0);
    ASSERT_TRUE(level->load(bytes));
  }
};

} // namespace

TEST_F(MoneyBugTest, AnOpenPathTurnsBackAtEachEndWithItsHeadingFlipped) {
  // Up 9, then right 9: one second a segment.
  MoneyBug *bug = bugOn(pointsOf({{0.0f, 0.0f}, {0.0f, 9.0f}, {9.0f, 9.0f}}), false);
  EXPECT_EQ(bug->pathLength(), 18.0f);
  EXPECT_EQ(bug->heading(), 0.0f);
  struct Step {
    float walk;
    float x, y;
    uint32_t segment;
    bool forward;
    float heading;
  };
  const Step steps[] = {{4.5f, 0.0f, 4.5f, 0, true, 0.0f},
                        {9.0f, 4.5f, 9.0f, 1, true, 270.0f},
                        {4.5f, 9.0f, 9.0f, 1, true, 270.0f},
                        // Past the end: back along the last segment.
                        {2.0f, 7.0f, 9.0f, 1, false, 450.0f},
                        {10.0f, 0.0f, 6.0f, 0, false, 180.0f},
                        // Past the start: forward again.
                        {7.0f, 0.0f, 1.0f, 0, true, 0.0f}};
  for (const Step &s : steps) {
    SCOPED_TRACE(s.walk);
    bug->walk(s.walk);
    bug->recomputeHeading();
    expectAt(*bug, s.x, s.y);
    EXPECT_EQ(bug->segment(), s.segment);
    EXPECT_EQ(bug->forward(), s.forward);
    EXPECT_NEAR(bug->heading(), s.heading, 1e-3f);
  }
}

TEST_F(MoneyBugTest, AClosedPathWrapsRoundAndTheBugWalksNineUnitsASecond) {
  MoneyBug *bug = bugOn(pointsOf({{0.0f, 0.0f}, {0.0f, 9.0f}, {9.0f, 9.0f}, {9.0f, 0.0f}}), true);
  EXPECT_EQ(bug->pathLength(), 36.0f);
  for (int i = 0; i < 30; ++i)
    bug->update(frame);
  expectAt(*bug, 0.0f, 9.0f);
  bug->walk(27.0f + 4.0f);
  expectAt(*bug, 0.0f, 4.0f);
  EXPECT_EQ(bug->segment(), 0u);
  EXPECT_TRUE(bug->forward());
}

TEST_F(MoneyBugTest, APathOfLengthZeroKeepsTheBugStillAtItsFirstPoint) {
  struct Case {
    const char *what;
    container::Vector<math::Vector2> path;
    bool closed;
  };
  const Case cases[] = {
      {"one point", pointsOf({{3.0f, 6.0f}}), true},
      {"one point, open", pointsOf({{3.0f, 6.0f}}), false},
      {"equal points", pointsOf({{3.0f, 6.0f}, {3.0f, 6.0f}, {3.0f, 6.0f}}), true},
      {"equal points, open", pointsOf({{3.0f, 6.0f}, {3.0f, 6.0f}}), false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    MoneyBug *bug = bugOn(c.path, c.closed);
    EXPECT_EQ(bug->pathLength(), 0.0f);
    for (int i = 0; i < 150; ++i)
      bug->update(frame);
    expectAt(*bug, 3.0f, 6.0f);
  }
}

TEST_F(MoneyBugTest, LengthsAreWorkedOutFromThePointsWhateverTheRecordHolds) {
  struct Case {
    const char *what;
    std::vector<float> lengths;
    float pathLength;
  };
  // Square of side 6, closed: the lengths the points give are 6 each.
  const Case cases[] = {{"no lengths", {}, 24.0f},
                        {"fewer lengths than segments", {6.0f}, 24.0f},
                        {"zero lengths under a path length", {0.0f, 0.0f, 0.0f, 0.0f}, 24.0f},
                        {"wrong lengths", {1.0f, 100.0f, -5.0f, 0.5f, 7.0f}, -3.0f}};
  const std::vector<math::Vector2> square = {{0, 0}, {0, 6}, {6, 6}, {6, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    file::BufferBinary bytes;
    writeBugRecord(bytes, square, c.lengths, c.pathLength, true);
    bytes.seek(0);
    MoneyBug bug(*level);
    ASSERT_TRUE(bug.readLevelRecord(bytes));
    EXPECT_EQ(bytes.tell(), bytes.size());
    ASSERT_EQ(bug.segmentLengths().size(), 4u);
    for (float length : bug.segmentLengths())
      EXPECT_EQ(length, 6.0f);
    EXPECT_EQ(bug.pathLength(), 24.0f);
    bug.walk(27.0f);
    expectAt(bug, 0.0f, 3.0f);
  }
  // A record whose lengths run past its bytes is refused.
  file::BufferBinary cut;
  writeBugRecord(cut, square, {6.0f, 6.0f}, 24.0f, true);
  cut.seek(0);
  file::BufferBinary shorter;
  shorter.receiveBytes(cut.data(), cut.size() - 3);
  shorter.seek(0);
  MoneyBug refused(*level);
  EXPECT_FALSE(refused.readLevelRecord(shorter));
}

TEST_F(MoneyBugTest, TheSnapshotRecordRoundTripsAndHoldsItsSegmentToThePath) {
  MoneyBug *bug = bugOn(pointsOf({{0.0f, 0.0f}, {0.0f, 9.0f}, {9.0f, 9.0f}}), false);
  for (int i = 0; i < 200; ++i)
    bug->update(frame);
  file::BufferBinary bytes;
  bug->write(bytes);
  bytes.seek(0);
  MoneyBug restored(*level);
  ASSERT_TRUE(restored.read(bytes));
  EXPECT_EQ(restored.state(), bug->state());
  EXPECT_EQ(restored.stateTime(), bug->stateTime());
  EXPECT_EQ(restored.getPosition(), bug->getPosition());
  EXPECT_EQ(restored.segment(), bug->segment());
  EXPECT_EQ(restored.along(), bug->along());
  EXPECT_EQ(restored.forward(), bug->forward());
  EXPECT_EQ(restored.heading(), bug->heading());
  EXPECT_EQ(restored.pathLength(), 18.0f);
  EXPECT_EQ(restored.geometry().radius(), bug->geometry().radius());

  // A segment past the usable ones (two, open) is held to the last, its
  // distance to that segment's length.
  file::BufferBinary hostile;
  bug->write(hostile);
  const uint32_t tail = 2 + 4 + 1 + 4;
  hostile.seek(hostile.size() - tail);
  file::write(uint16_t(7), hostile);
  file::write(500.0f, hostile);
  hostile.seek(0);
  ASSERT_TRUE(restored.read(hostile));
  EXPECT_EQ(restored.segment(), 1u);
  EXPECT_EQ(restored.along(), 9.0f);
  restored.walk(1.0f);
  EXPECT_EQ(restored.segment(), 1u);
}

TEST_F(MoneyBugTest, ItsCycleIsOneFourOneAndAHalfAndThreeSecondsAndItsBladesReachWider) {
  MoneyBug *bug = bugOn(pointsOf({{0.0f, 0.0f}}), false);
  EXPECT_EQ(bug->state(), uint32_t(MoneyBug::RESTING));
  EXPECT_EQ(bug->geometry().radius(), 1.5f);
  EXPECT_EQ(MoneyBug::bladeRadius, 1.2f * 3.0f);
  struct Step {
    float seconds;
    uint32_t state;
    float radius;
  };
  const Step steps[] = {{4.0f, MoneyBug::WINDING, MoneyBug::bodyRadius},
                        {1.5f, MoneyBug::SPINNING, MoneyBug::bladeRadius},
                        {3.0f, MoneyBug::IDLE, MoneyBug::bodyRadius},
                        {1.0f, MoneyBug::RESTING, MoneyBug::bodyRadius}};
  for (const Step &s : steps) {
    SCOPED_TRACE(s.state);
    bug->update(s.seconds - 0.01f);
    EXPECT_NE(bug->state(), s.state);
    bug->update(0.02f);
    EXPECT_EQ(bug->state(), s.state);
    EXPECT_EQ(bug->geometry().radius(), s.radius);
  }
}

TEST_F(MoneyBugTest, ASpinningBugHurtsTheBallAndSurvivesAnyOtherTouchKillsItIntoCoins) {
  ASSERT_TRUE(soundOpen);
  struct Case {
    const char *what;
    uint32_t state;
    unsigned ballState;
    unsigned power;
    unsigned ballAfter;
    bool bugDies;
  };
  const Case cases[] = {
      {"spinning, bare ball", MoneyBug::SPINNING, Ball::PLAYING, Ball::NO_POWER, Ball::DYING,
       false},
      {"spinning, shielded ball", MoneyBug::SPINNING, Ball::PLAYING, Ball::ICE, Ball::PLAYING,
       false},
      {"spinning, appearing ball", MoneyBug::SPINNING, Ball::APPEARING, Ball::NO_POWER,
       Ball::APPEARING, true},
      {"idle", MoneyBug::IDLE, Ball::PLAYING, Ball::NO_POWER, Ball::PLAYING, true},
      {"resting", MoneyBug::RESTING, Ball::PLAYING, Ball::NO_POWER, Ball::PLAYING, true},
      {"winding", MoneyBug::WINDING, Ball::PLAYING, Ball::NO_POWER, Ball::PLAYING, true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    ball().setState(Ball::WAITING);
    ball().setState(c.ballState);
    if (c.power != Ball::NO_POWER)
      ball().setPower(c.power);
    quiet();
    MoneyBug bug(*level);
    bug.setPath(pointsOf({{30.0f, 30.0f}}), false);
    bug.setState(c.state);
    const uint32_t coins = level->coins().size();
    touch(bug);
    EXPECT_EQ(ball().state(), c.ballAfter);
    EXPECT_EQ(bug.isDead(), c.bugDies);
    EXPECT_EQ(level->coins().size(), coins + (c.bugDies ? 5u : 0u));
    EXPECT_EQ(played(L"kaching"), c.bugDies);
    // Dead, it is touched no more.
    if (c.bugDies) {
      touch(bug);
      EXPECT_EQ(level->coins().size(), coins + 5u);
    }
  }
  EXPECT_EQ(effects(Level::objectEffects(), L"moneyBugDie").size(), 4u);
  // While the game is not played nothing happens.
  engine->setState(Engine::COMPLETE);
  MoneyBug bug(*level);
  touch(bug);
  EXPECT_FALSE(bug.isDead());
}

TEST_F(MoneyBugTest, ItsCoinsGoToFreeCellsWithinTwoAndTheRestToItsOwnCell) {
  // A room of 7 x 3 cells: blocks, a coin and a chomp take cells round the
  // bug at (3, 0); a coloured block far off makes the level complete.
  levelwriter::LevelPlan plan;
  plan.name = "bugRoom";
  levelwriter::Room room;
  room.area = levelwriter::CellRect{0, -1, 6, 1};
  plan.rooms.push_back(room);
  plan.ballColumn = 6;
  plan.ballRow = 0;
  plan.blocks.push_back(levelwriter::PlacedBlock{Block::NORMAL, 0, 6, 1});
  for (int32_t column = 1; column <= 5; ++column)
    plan.blocks.push_back(levelwriter::PlacedBlock{Block::UNBREAKABLE, COLOR_NONE, column, -1});
  plan.blocks.push_back(levelwriter::PlacedBlock{Block::UNBREAKABLE, COLOR_NONE, 2, 1});
  plan.coins.emplace_back(4, 1);
  loadRoom(plan);
  auto *chomp = new Chomp(*level);
  chomp->setCell(math::Vector2i(3, 1));
  level->addChomp(chomp);
  // Free within two of (3, 0): (1..5, 0), (1, 1), (5, 1).
  const std::vector<std::pair<int, int>> free = {{1, 0}, {2, 0}, {3, 0}, {4, 0},
                                                 {5, 0}, {1, 1}, {5, 1}};
  for (const auto &[column, row] : free)
    EXPECT_TRUE(level->cellIsFree(math::Vector2i(column, row))) << column << ", " << row;
  for (const auto &[column, row] : {std::pair{2, 1}, {3, 1}, {4, 1}, {3, -1}, {3, 2}, {7, 0}})
    EXPECT_FALSE(level->cellIsFree(math::Vector2i(column, row))) << column << ", " << row;

  // Seven free cells: five different ones of them.
  MoneyBug *bug = bugOn(pointsOf({{9.0f, 0.0f}}), false);
  const uint32_t before = level->coins().size();
  bug->die();
  ASSERT_EQ(level->coins().size(), before + 5);
  std::vector<std::pair<int, int>> cells;
  for (uint32_t i = before; i < before + 5; ++i) {
    const Coin *coin = level->coins()[i];
    EXPECT_EQ(coin->state(), uint32_t(Coin::EMERGING));
    EXPECT_EQ(coin->position, math::Vector3(9.0f, 0.0f, 0.0f));
    cells.emplace_back(coin->cell().x, coin->cell().y);
    EXPECT_NE(std::find(free.begin(), free.end(), cells.back()), free.end());
  }
  std::sort(cells.begin(), cells.end());
  EXPECT_EQ(std::unique(cells.begin(), cells.end()), cells.end());

  // Walled in by coins but for one cell: that cell takes one coin, its
  // own cell the other four.
  level->coins().deleteAll();
  for (int32_t column = 1; column <= 5; ++column)
    for (int32_t row = -2; row <= 2; ++row) {
      const math::Vector2i cell(column, row);
      if (level->cellIsFree(cell) && !(column == 3 && row == 0) && !(column == 1 && row == 1)) {
        auto *coin = new Coin(*level);
        coin->setCell(cell);
        level->addCoin(coin);
      }
    }
  MoneyBug *walled = bugOn(pointsOf({{9.0f, 0.0f}}), false);
  const uint32_t start = level->coins().size();
  walled->die();
  std::vector<std::pair<int, int>> landed;
  for (uint32_t i = start; i < start + 5; ++i)
    landed.emplace_back(level->coins()[i]->cell().x, level->coins()[i]->cell().y);
  std::sort(landed.begin(), landed.end());
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {3, 0}, {3, 0}, {3, 0}, {3, 0}};
  EXPECT_EQ(landed, expected);
}
