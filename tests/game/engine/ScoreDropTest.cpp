#include "LevelTestSupport.h"

#include "engine/BlockColors.h"
#include "engine/GroupScoreDrop.h"
#include "engine/ScoreBar.h"
#include "engine/ScoreDrop.h"
#include "file/BufferBinary.h"
#include "support/FakeWindow.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using blocktest::TestLevel;

TEST(ScoreDrop, ThePointsPickTheImage) {
  struct Case {
    int points;
    uint32_t image;
  };
  const Case cases[] = {{-5, 0}, {1, 0},   {10, 0},  {25, 0},  {49, 0},  {50, 1},
                        {75, 2}, {200, 7}, {225, 8}, {250, 8}, {1000, 8}};
  TestLevel level(nullptr);
  for (const Case &c : cases) {
    ScoreDrop drop(level, c.points);
    EXPECT_EQ(drop.image(), c.image) << c.points;
  }
}

TEST(ScoreDrop, FadesOverTheSecondHalfOfItsLifeAndDies) {
  TestLevel level(nullptr);
  ScoreDrop drop(level, 50);
  drop.setPosition(math::Vector3(6.0f, -3.0f, 0.0f));
  EXPECT_EQ(drop.bounds().minimum(), math::Vector3(4.5f, -4.5f, 0.0f));
  EXPECT_EQ(drop.bounds().maximum(), math::Vector3(7.5f, -1.5f, 0.0f));
  struct Step {
    float dt, alpha;
    bool dead;
  };
  const Step steps[] = {{0.0f, 1.0f, false},  {0.3f, 1.0f, false}, {0.15f, 0.5f, false},
                        {0.15f, 0.0f, false}, {0.01f, 0.0f, true}, {1.0f, 0.0f, true}};
  for (const Step &s : steps) {
    drop.update(s.dt);
    SCOPED_TRACE(drop.age());
    EXPECT_NEAR(drop.color().a, s.alpha, 1e-5f);
    EXPECT_EQ(drop.color().r, 1.0f);
    EXPECT_EQ(drop.isDead(), s.dead);
  }
  // A dead drop ages no more.
  EXPECT_NEAR(drop.age(), 0.61f, 1e-5f);
}

TEST(GroupScoreDrop, AdditionsRestartItAndItDiesOnlyWhenNoneCome) {
  TestLevel level(nullptr);
  GroupScoreDrop drop(level);
  drop.setGroup(4);
  drop.setPoints(25);
  drop.setPosition(math::Vector3(3.0f, 6.0f, 0.0f));
  const float life = drop.animationTime();
  ASSERT_GT(life, 0.0f);
  for (int i = 0; i < 5; ++i) {
    drop.update(0.9f * life);
    drop.addPoints(math::Vector3(30.0f, 30.0f, 0.0f), 50);
    EXPECT_EQ(drop.age(), 0.0f);
  }
  EXPECT_FALSE(drop.isDead());
  EXPECT_EQ(drop.points(), 275u);
  EXPECT_EQ(drop.text(), String(L"275"));
  EXPECT_EQ(drop.getPosition(), math::Vector3(3.0f, 6.0f, 0.0f));
  drop.update(life + 0.001f);
  EXPECT_TRUE(drop.isDead());
}

TEST(GroupScoreDrop, RecordRoundTripsAndAShortOneChangesNothing) {
  TestLevel level(nullptr);
  GroupScoreDrop drop(level);
  drop.setGroup(0x1234);
  drop.setPoints(70000);
  drop.setPosition(math::Vector3(-4.5f, 12.25f, 3.0f));
  drop.update(0.2f);
  file::BufferBinary buffer;
  drop.write(buffer);
  ASSERT_EQ(buffer.size(), 15u);
  std::vector<uint8_t> bytes(15);
  buffer.seek(0);
  buffer.produceBytes(bytes.data(), 15);
  // x, y, then the group as two bytes, low first.
  EXPECT_EQ(bytes[8], 0x34);
  EXPECT_EQ(bytes[9], 0x12);
  EXPECT_EQ(bytes[14], 0);

  GroupScoreDrop copy(level);
  buffer.seek(0);
  ASSERT_TRUE(copy.read(buffer));
  EXPECT_EQ(copy.getPosition(), math::Vector3(-4.5f, 12.25f, 0.0f));
  EXPECT_EQ(copy.group(), 0x1234u);
  EXPECT_EQ(copy.points(), 70000u);
  EXPECT_FALSE(copy.isDead());
  EXPECT_EQ(copy.age(), 0.0f);

  for (uint32_t size = 0; size < 15; ++size) {
    SCOPED_TRACE(size);
    file::BufferBinary cut;
    cut.receiveBytes(bytes.data(), size);
    cut.seek(0);
    GroupScoreDrop untouched(level);
    untouched.setPoints(9);
    EXPECT_FALSE(untouched.read(cut));
    EXPECT_EQ(untouched.points(), 9u);
    EXPECT_EQ(untouched.group(), 0u);
  }
}

namespace {

class ScoreBarTest : public testing::Test {
protected:
  testing_support::FakeWindow window{320, 480};
  testing_support::WindowSwap swap{&window};
  TestLevel level{nullptr};
  ScoreBar &bar() { return level.starDisplay(); }
};

} // namespace

TEST_F(ScoreBarTest, ShowsTheScoreTheStarAndItsCount) {
  struct Case {
    uint32_t score;
    unsigned colour, count;
    const wchar_t *scoreText, *star, *countText;
    bool grey;
  };
  const Case cases[] = {
      // Without a bonus colour: the dim star and a grey "1".
      {0, COLOR_NONE, 1, L"Score 0", L"starSmallDim", L"1", true},
      {1234567, 0, 3, L"Score 1,234,567", L"starSmallBlue", L"3", false},
      {999, 5, 12, L"Score 999", L"starSmallTeal", L"12", false},
      {1000, 3, 2, L"Score 1,000", L"starSmallOrange", L"2", false},
      {1000, 9, 7, L"Score 1,000", L"starSmallDim", L"1", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.score);
    level.setScore(c.score);
    level.setBonus(c.colour, c.count);
    EXPECT_EQ(bar().scoreText(), String(c.scoreText));
    EXPECT_EQ(bar().starName(), Symbol::intern(c.star));
    EXPECT_EQ(bar().bonusText(), String(c.countText));
    const math::Color expected =
        c.grey ? math::Color(0.25f, 0.25f, 0.25f, 1.0f) : math::Color(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(bar().bonusTextColor(), expected);
  }
}

TEST_F(ScoreBarTest, DrawsTheStripAndTheTimeBonusGauge) {
  level.setParTime(100);
  struct Case {
    float playTime, white;
  };
  const Case cases[] = {{0.0f, 114.0f}, {25.0f, 85.5f}, {100.0f, 0.0f}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.playTime);
    level.setPlayTime(c.playTime);
    testing_support::RecordingCanvas canvas;
    bar().render(canvas);
    // The filled rectangles drawn at the box.
    auto find = [&](float left, float bottom, float width, float height) {
      return std::count_if(canvas.drawn.begin(), canvas.drawn.end(), [&](const auto &d) {
        math::Vector3 low = d.position(0), high = low;
        for (int i = 1; i < d.vertexCount(); ++i) {
          const math::Vector3 p = d.position(i);
          low = math::Vector3(std::fmin(low.x, p.x), std::fmin(low.y, p.y), 0.0f);
          high = math::Vector3(std::fmax(high.x, p.x), std::fmax(high.y, p.y), 0.0f);
        }
        return std::fabs(low.x - left) < 1e-3f && std::fabs(low.y - bottom) < 1e-3f &&
               std::fabs(high.x - low.x - width) < 1e-3f &&
               std::fabs(high.y - low.y - height) < 1e-3f;
      });
    };
    EXPECT_EQ(find(0.0f, 0.0f, 320.0f, 18.0f), 1);
    // The grey gauge, and the white share over it when there is one.
    const int full = c.white == 114.0f ? 2 : 1;
    EXPECT_EQ(find(204.0f, 1.0f, 114.0f, 16.0f), full);
    EXPECT_EQ(find(204.0f, 1.0f, c.white, 16.0f), c.white == 0.0f ? 0 : full);
  }
}
