#include "PlayWorld.h"

#include "LevelWriter.h"
#include "Reach.h"
#include "math/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using leveltest::PlayWorld;

namespace {

// Steers the ball with tilt readings along the shortest way over the floor
// to the nearest coloured block left, braking against its own speed. The
// way steps between floor cells and through breakable blocks, round walls,
// islands, lava pools, unbreakable and round blocks. When it makes no headway for two
// seconds it goes across the line to its waypoint, to each side in turn; when
// it breaks nothing for five it leaves that waypoint out for eight seconds, so
// that a gap the round blocks keep kicking it out of is passed round.
class Autopilot {
public:
  Autopilot(Level &level, const levelwriter::LevelPlan &plan) : m_level(level), m_plan(plan) {
    m_bounds = plan.bounds();
    m_parent.resize(size_t(m_bounds.columns() * m_bounds.rows()));
  }

  math::Vector3 reading() {
    const physics::Atom &atom = m_level.ball().atom();
    const math::Vector3 ball = atom.position;
    // A way that breaks nothing for five seconds is given up for a while:
    // its next cell is left out of the search, and the ball goes round.
    if (m_level.blocksBroken() != m_broken) {
      m_broken = m_level.blocksBroken();
      m_idle = 0;
    } else if (++m_idle > 150) {
      m_avoid = m_waypoint;
      m_avoiding = 240;
      m_idle = 0;
    }
    if (m_avoiding > 0)
      --m_avoiding;
    math::Vector2i waypoint;
    if (!route(ball, waypoint)) {
      m_avoiding = 0;
      if (!route(ball, waypoint))
        return math::Vector3();
    }
    math::Vector3 to = Level::cellCentre(waypoint) - ball;
    to.z = 0.0f;
    const float distance = to.length();
    to = to * (1.0f / (distance > 1e-3f ? distance : 1e-3f));
    const int32_t key = waypoint.x * 100000 + waypoint.y;
    if (key != m_waypoint || distance < m_closest - 0.5f) {
      m_waypoint = key;
      m_closest = distance;
      m_stalled = 0;
    } else if (++m_stalled > 60) {
      m_detour = 30;
      m_side = -m_side;
      m_stalled = 0;
    }
    // A speed that eases off near the waypoint; the reading asks for the
    // difference.
    math::Vector3 steer = to;
    if (m_detour > 0) {
      --m_detour;
      steer = math::Vector3(-to.y, to.x, 0.0f) * m_side - to * 0.3f;
    }
    const float speed = std::fmin(0.45f, 0.05f + 0.08f * distance);
    const math::Vector3 velocity = atom.position - atom.previousPosition;
    math::Vector3 reading = (steer * speed - math::Vector3(velocity.x, velocity.y, 0.0f)) * 0.8f;
    const float strength = reading.length();
    return strength > 0.6f ? reading * (0.6f / strength) : reading;
  }

private:
  bool inside(int32_t column, int32_t row) const { return m_bounds.contains(column, row); }
  int32_t indexOf(int32_t column, int32_t row) const {
    return (row - m_bounds.bottom) * m_bounds.columns() + (column - m_bounds.left);
  }
  bool target(int32_t column, int32_t row) const {
    const Block *block = m_level.blockGrid().blockCovering(column, row);
    return block && !block->isDead() && block->isNormalOrBonus();
  }
  bool passable(int32_t column, int32_t row) const {
    if (m_avoiding > 0 && column * 100000 + row == m_avoid)
      return false;
    for (const levelwriter::CellRect &pool : m_plan.lavas)
      if (pool.contains(column, row))
        return false;
    return m_plan.roomAt(column, row) >= 0 && !levelwriter::stopsFill(m_plan, column, row);
  }

  // Nothing but floor, breakable blocks and the target under the straight
  // way of a ball's width from the point to the cell.
  bool clear(const math::Vector3 &from, const math::Vector2i &to) const {
    const math::Vector3 end = Level::cellCentre(to);
    math::Vector3 along = end - from;
    along.z = 0.0f;
    const float length = along.length();
    if (length < 1e-3f)
      return true;
    const math::Vector3 side = math::Vector3(-along.y, along.x, 0.0f) * (1.6f / length);
    for (float t = 0.0f; t <= length; t += 0.75f)
      for (const float s : {-1.0f, 0.0f, 1.0f}) {
        const math::Vector2i cell = Level::worldToCell(from + along * (t / length) + side * s);
        if (cell.x == to.x && cell.y == to.y)
          continue;
        if (!inside(cell.x, cell.y) || !passable(cell.x, cell.y))
          return false;
      }
    return true;
  }

  // Breadth first from the ball's cell to the nearest block left; the
  // waypoint is the farthest cell of the way the ball sees straight.
  bool route(const math::Vector3 &ball, math::Vector2i &waypoint) {
    const math::Vector2i start = Level::worldToCell(ball);
    if (!inside(start.x, start.y))
      return false;
    std::fill(m_parent.begin(), m_parent.end(), -1);
    m_queue.clear();
    m_queue.push_back(indexOf(start.x, start.y));
    m_parent[size_t(m_queue[0])] = m_queue[0];
    const int32_t columns = m_bounds.columns();
    auto cellOf = [&](int32_t index) {
      return math::Vector2i(m_bounds.left + index % columns, m_bounds.bottom + index / columns);
    };
    for (size_t head = 0; head < m_queue.size(); ++head) {
      const int32_t at = m_queue[head];
      const math::Vector2i cell = cellOf(at);
      if (target(cell.x, cell.y)) {
        m_way.assign(1, at);
        while (m_way.back() != m_queue[0])
          m_way.push_back(m_parent[size_t(m_way.back())]);
        // From the block back towards the ball: the first cell seen.
        for (size_t i = 0; i < m_way.size(); ++i)
          if (i + 1 == m_way.size() || i + 2 == m_way.size() || clear(ball, cellOf(m_way[i]))) {
            waypoint = cellOf(m_way[i]);
            return true;
          }
      }
      const int32_t next[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (const auto &d : next) {
        const int32_t c = cell.x + d[0], r = cell.y + d[1];
        if (!inside(c, r) || m_parent[size_t(indexOf(c, r))] >= 0 || !passable(c, r))
          continue;
        m_parent[size_t(indexOf(c, r))] = at;
        m_queue.push_back(indexOf(c, r));
      }
    }
    return false;
  }

  Level &m_level;
  const levelwriter::LevelPlan &m_plan;
  levelwriter::CellRect m_bounds;
  std::vector<int32_t> m_parent, m_queue, m_way;
  int32_t m_waypoint = 0;
  float m_closest = 0.0f;
  int m_stalled = 0;
  int m_detour = 0;
  float m_side = 1.0f;
  uint32_t m_broken = 0;
  int m_idle = 0;
  int32_t m_avoid = 0;
  int m_avoiding = 0;
};

class AutopilotTest : public PlayWorld {
protected:
  // The plan written through the level writer and read back as a new level.
  void loadLevel(const levelwriter::LevelPlan &plan) {
    file::BufferBinary bytes;
    std::string error;
    EXPECT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
    delete level;
    level = new blocktest::TestLevel(engine);
    bytes.seek(0);
    EXPECT_TRUE(level->load(bytes));
    level->start();
  }
  // Plays the loaded level from its begin to completion; the frames it
  // took, or -1 when it did not complete within the limit.
  int playLevel(const levelwriter::LevelPlan &plan) {
    level->begin();
    const uint32_t coloured = level->blockGrid().colouredCount();
    EXPECT_GT(coloured, 0u);
    Autopilot pilot(*level, plan);
    const int limit = 3000 + 240 * int(coloured);
    for (int frame = 0; frame < limit; ++frame) {
      app->accelerationChanged(pilot.reading());
      level->update(1.0f / 30.0f);
      if (level->isComplete())
        return frame;
      if (level->isFailed())
        return -1;
    }
    return -1;
  }
};

} // namespace

// The hand-made levels and every generated one, each within its frame limit.
TEST_F(AutopilotTest, EveryLevelCanBeCompleted) {
  std::vector<levelwriter::LevelPlan> plans;
  std::vector<std::string> errors;
  ASSERT_TRUE(levelwriter::planLevels(std::string(CORVANE_SOURCE_DIR) + "/data", plans, errors));
  ASSERT_FALSE(plans.empty());
  EXPECT_EQ(plans[0].name, "level00_0");
  settle();
  Random::globalSeed(3);
  for (const levelwriter::LevelPlan &plan : plans) {
    SCOPED_TRACE(plan.name);
    loadLevel(plan);
    EXPECT_GE(playLevel(plan), 0);
    EXPECT_EQ(level->blocksBroken(), level->blockGrid().colouredCount());
  }
}
