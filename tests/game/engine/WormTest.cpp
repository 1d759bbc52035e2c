// The worm: its cycle and placement, the random breakable segment, taps,
// the fatal hit and the bursts that end in 1000 points, the head by the
// hazard rule, and its two records.

#include "BlockWorld.h"

#include "engine/Worm.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "game/LevelFileBytes.h"
#include "math/Random.h"
#include "texture/TextureManager.h"

#include "LevelText.h"
#include "LevelWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using blocktest::BlockWorld;

namespace {

class WormTest : public BlockWorld {
protected:
  Worm *addWorm(uint32_t segments, bool extended, float angle = 90.0f) {
    Worm *worm = level->addWorm(new Worm(*level));
    worm->setup(math::Vector3(3.0f, 6.0f, 0.0f), angle, segments, extended);
    return worm;
  }
  int breakableIndex(const Worm &worm) {
    int found = -1;
    for (uint32_t i = 0; i < worm.segmentCount(); ++i)
      if (worm.segment(i).breakable) {
        EXPECT_EQ(found, -1) << "a second breakable segment";
        found = int(i);
      }
    return found;
  }
  uint32_t shelled(const Worm &worm) {
    for (uint32_t i = 0; i < worm.segmentCount(); ++i)
      if (!worm.segment(i).breakable)
        return i;
    return 0;
  }
  void touchSegment(Worm &worm, uint32_t i) {
    Worm::Segment &segment = worm.segment(i);
    segment.onContact(&segment.geometry, &ball().structure(), 0);
  }
  void touchHead(Worm &worm) {
    worm.onContact(const_cast<CylinderGeometry *>(&worm.head()), &ball().structure(), 0);
  }
  void playingBall() {
    ball().setState(Ball::WAITING);
    ball().setState(Ball::PLAYING);
  }
};

void expectNear(const math::Vector3 &a, const math::Vector3 &b) {
  EXPECT_NEAR(a.x, b.x, 1e-4f);
  EXPECT_NEAR(a.y, b.y, 1e-4f);
  EXPECT_NEAR(a.z, b.z, 1e-4f);
}

} // namespace

TEST_F(WormTest, ExtendedAndRetractedTheSegmentsAndHeadStandAlongTheNeck) {
  struct Case {
    const char *what;
    bool extended;
    float angle;
    // Distances out from the base of segments 0 and 1 and of the head.
    float first, second, head;
    // The neck's direction.
    float dx, dy;
  };
  const Case cases[] = {
      {"extended, turned to +x", true, 90.0f, 1.25f, 4.5f, 10.25f, 1.0f, 0.0f},
      {"extended, upwards", true, 0.0f, 1.25f, 4.5f, 10.25f, 0.0f, 1.0f},
      {"retracted, turned to -y", false, 180.0f, 0.0f, 0.0f, 3.75f, 0.0f, -1.0f},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Worm *worm = addWorm(2, c.extended, c.angle);
    EXPECT_EQ(worm->state(), c.extended ? Worm::EXTENDED : Worm::RETRACTED);
    const math::Vector3 base(3.0f, 6.0f, 0.0f), along(c.dx, c.dy, 0.0f);
    expectNear(worm->segment(0).position(), base + along * c.first);
    expectNear(worm->segment(1).position(), base + along * c.second);
    expectNear(worm->head().transform.translation, base + along * c.head);
    EXPECT_EQ(worm->getPosition(), base);
  }
}

TEST_F(WormTest, OneCycleLastsEightSecondsAndTheHeadFollowsTheState) {
  Worm *worm = addWorm(3, false);
  struct Step {
    float at;
    uint32_t state;
    const wchar_t *animation;
  };
  // Retracted from the start: 3.4 s, then extending 1.0, extended 1.6,
  // retracting 2.0 and retracted again.
  const Step steps[] = {
      {3.3f, Worm::RETRACTED, L"wormHeadIdle"},  {4.0f, Worm::EXTENDING, L"wormHeadExtend"},
      {5.0f, Worm::EXTENDED, L"wormHeadExtend"}, {7.0f, Worm::RETRACTING, L"wormHeadIdle"},
      {10.0f, Worm::RETRACTED, L"wormHeadIdle"}, {11.8f, Worm::EXTENDING, L"wormHeadExtend"}};
  float clock = 0.0f;
  for (const Step &s : steps) {
    SCOPED_TRACE(s.at);
    while (clock < s.at - 1e-3f) {
      worm->update(0.05f);
      clock += 0.05f;
    }
    EXPECT_EQ(worm->state(), s.state);
    EXPECT_EQ(worm->animation(), Symbol::intern(s.animation));
  }

  struct Point {
    uint32_t state;
    float time, extension;
  };
  // Out along a quarter sine, back along half a cosine.
  const Point points[] = {{Worm::EXTENDING, 0.5f, 0.70711f},
                          {Worm::EXTENDED, 0.5f, 1.0f},
                          {Worm::RETRACTING, 1.0f, 0.5f},
                          {Worm::RETRACTING, 1.5f, 0.14645f},
                          {Worm::RETRACTED, 0.5f, 0.0f}};
  for (const Point &p : points) {
    SCOPED_TRACE(p.state);
    worm->setState(Worm::DYING);
    worm->setState(p.state);
    worm->update(p.time);
    EXPECT_NEAR(worm->extension(), p.extension, 1e-4f);
  }
}

TEST_F(WormTest, ResetMakesOneRandomSegmentBreakableAndNoneWithoutSegments) {
  struct Case {
    uint32_t segments;
    // The highest index the draw gives.
    int highest;
  };
  // The draw covers 0 to count - 2: one segment gives 0, none gives none.
  const Case cases[] = {{0, -1}, {1, 0}, {2, 0}, {5, 3}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.segments);
    int most = -1;
    for (unsigned seed = 1; seed <= 40; ++seed) {
      Random::globalSeed(seed);
      Worm *worm = addWorm(c.segments, true);
      const int index = breakableIndex(*worm);
      EXPECT_EQ(index < 0, c.segments == 0);
      EXPECT_LE(index, c.highest);
      most = std::max(most, index);
      worm->reset();
      // A second reset still leaves one.
      EXPECT_EQ(breakableIndex(*worm) < 0, c.segments == 0);
    }
    EXPECT_EQ(most, c.highest);
  }
}

TEST_F(WormTest, AShelledSegmentOnlyTapsAndOnlyTheBallPlayingCounts) {
  ASSERT_TRUE(soundOpen);
  Worm *worm = addWorm(4, true);
  const uint32_t shell = shelled(*worm);
  quiet();
  touchSegment(*worm, shell);
  EXPECT_TRUE(played(L"tap"));
  EXPECT_FALSE(worm->segment(shell).exploded);
  EXPECT_TRUE(worm->segment(shell).geometry.enabled);
  EXPECT_NE(worm->state(), Worm::DYING);

  // Outside the engine's play, and for another structure, nothing happens.
  const uint32_t core = uint32_t(breakableIndex(*worm));
  quiet();
  engine->setState(Engine::IDLE);
  touchSegment(*worm, core);
  engine->setState(Engine::PLAYING);
  physics::Structure3D other;
  worm->segment(core).onContact(&worm->segment(core).geometry, &other, 0);
  EXPECT_FALSE(played(L"tap"));
  EXPECT_FALSE(worm->segment(core).exploded);
  EXPECT_NE(worm->state(), Worm::DYING);
}

TEST_F(WormTest, ItsPointsComeAfterTheLastBurstEvenWhenHitRetracted) {
  ASSERT_TRUE(soundOpen);
  for (bool extended : {true, false}) {
    SCOPED_TRACE(extended);
    Worm *worm = addWorm(4, extended);
    const uint32_t core = uint32_t(breakableIndex(*worm));
    const math::Vector3 hit = worm->segment(core).position();
    const uint32_t scoreBefore = level->score();
    quiet();
    touchSegment(*worm, core);
    EXPECT_EQ(worm->state(), Worm::DYING);
    EXPECT_TRUE(played(L"wormDie"));
    EXPECT_TRUE(worm->segment(core).exploded);
    EXPECT_FALSE(worm->segment(core).geometry.enabled);
    EXPECT_EQ(worm->deathPosition(), hit);
    EXPECT_EQ(worm->animation(), SYM(L"wormHeadExploding"));
    // Three segments left: bursts at 0.2, 0.3 and 0.4 s, the points at 0.5.
    float clock = 0.0f;
    while (clock < 0.48f) {
      worm->update(0.01f);
      clock += 0.01f;
    }
    EXPECT_EQ(level->score(), scoreBefore);
    EXPECT_FALSE(worm->isDead());
    for (uint32_t i = 0; i < worm->segmentCount(); ++i)
      EXPECT_TRUE(worm->segment(i).exploded);
    while (clock < 0.53f) {
      worm->update(0.01f);
      clock += 0.01f;
    }
    EXPECT_EQ(level->score(), scoreBefore + Worm::points);
    EXPECT_TRUE(worm->isDead());
  }
  EXPECT_EQ(effects(Level::objectEffects(), L"wormExplode").size(), 2u);
  EXPECT_EQ(effects(Level::objectEffects(), L"wormExplodeWithShell").size(), 6u);
}

TEST_F(WormTest, TheHeadHarmsByTheHazardRuleUnlessTheWormIsDying) {
  struct Case {
    const char *what;
    bool dying;
    unsigned power;
    bool dies, losesPower;
  };
  const Case cases[] = {{"bare ball", false, Ball::NO_POWER, true, false},
                        {"shielded ball", false, Ball::FIRE, false, true},
                        {"dying worm", true, Ball::NO_POWER, false, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Worm *worm = addWorm(2, true);
    if (c.dying)
      worm->setState(Worm::DYING);
    playingBall();
    if (c.power != Ball::NO_POWER)
      ball().setPower(c.power);
    touchHead(*worm);
    EXPECT_EQ(ball().state() == Ball::DYING, c.dies);
    EXPECT_EQ(ball().power() == Ball::NO_POWER, c.losesPower || c.power == Ball::NO_POWER);
  }
}

TEST_F(WormTest, TheLevelFileKeepsItsPlaceShapeAndStartAndRefusesACutRecord) {
  Worm *worm = addWorm(3, true, 45.0f);
  file::BufferBinary out;
  worm->writeLevelRecord(out);
  ASSERT_EQ(out.size(), Worm::levelRecordBytes);
  const std::string bytes = gametest::bytesOf(out);

  Worm copy(*level);
  file::BufferBinary in;
  gametest::fill(in, bytes);
  ASSERT_TRUE(copy.readLevelRecord(in));
  EXPECT_EQ(copy.getPosition(), worm->getPosition());
  EXPECT_EQ(copy.angle(), 45.0f);
  EXPECT_EQ(copy.segmentCount(), 3u);
  EXPECT_TRUE(copy.startsExtended());
  EXPECT_EQ(copy.state(), Worm::EXTENDED);

  Worm cut(*level);
  gametest::fill(in, bytes.substr(0, bytes.size() - 1));
  EXPECT_FALSE(cut.readLevelRecord(in));
  EXPECT_EQ(cut.segmentCount(), 0u);
}

TEST_F(WormTest, ASnapshotRestoresTheWormAndItsBurstSegmentsStopNothing) {
  Worm *worm = addWorm(4, true);
  worm->update(0.3f);
  const uint32_t core = uint32_t(breakableIndex(*worm));
  touchSegment(*worm, core);
  worm->update(0.25f);
  file::BufferBinary out;
  worm->write(out);
  const std::string bytes = gametest::bytesOf(out);

  Worm copy(*level);
  file::BufferBinary in;
  gametest::fill(in, bytes);
  ASSERT_TRUE(copy.read(in));
  EXPECT_EQ(in.bytesRemaining(), 0u);
  EXPECT_EQ(copy.state(), Worm::DYING);
  EXPECT_EQ(copy.stateTime(), worm->stateTime());
  EXPECT_EQ(copy.dyingTime(), worm->dyingTime());
  EXPECT_EQ(copy.animation(), SYM(L"wormHeadExploding"));
  ASSERT_EQ(copy.segmentCount(), 4u);
  uint32_t burst = 0;
  for (uint32_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const Worm::Segment &a = worm->segment(i), &b = copy.segment(i);
    EXPECT_EQ(b.position(), a.position());
    EXPECT_EQ(b.breakable, a.breakable);
    EXPECT_EQ(b.exploded, a.exploded);
    // A burst segment, unseen, must not stop the ball.
    EXPECT_EQ(b.geometry.enabled, !b.exploded);
    burst += b.exploded ? 1 : 0;
  }
  EXPECT_EQ(burst, 2u);
  expectNear(copy.head().transform.translation, worm->head().transform.translation);
  // It dies on as the original does.
  for (int i = 0; i < 40; ++i)
    copy.update(0.01f);
  EXPECT_TRUE(copy.isDead());

  struct Refusal {
    const char *what;
    std::string bytes;
  };
  std::string badState = bytes;
  badState[0] = char(Worm::UNSET);
  const Refusal refusals[] = {{"cut short", bytes.substr(0, bytes.size() - 1)},
                              {"a state no worm has", badState}};
  for (const Refusal &r : refusals) {
    SCOPED_TRACE(r.what);
    Worm refused(*level);
    gametest::fill(in, r.bytes);
    EXPECT_FALSE(refused.read(in));
  }
}

TEST_F(WormTest, ADescriptionsWormsAreWrittenAndReadBack) {
  const char *description = R"(
ball 0 0
worm 2 1 90 5 1
worm -2 -1 180 0 0
map -3 2
.......
.r.....
.......
.......
.......
end
)";
  levelwriter::LevelPlan plan;
  std::string error;
  ASSERT_TRUE(levelwriter::readDescription(description, plan, error)) << error;
  file::BufferBinary bytes;
  ASSERT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
  bytes.seek(0);
  Level loaded(nullptr);
  ASSERT_TRUE(loaded.load(bytes));
  ASSERT_EQ(loaded.worms().size(), 2u);
  const Worm &first = *loaded.worms()[0], &second = *loaded.worms()[1];
  EXPECT_EQ(first.getPosition(), math::Vector3(6.0f, 3.0f, 0.0f));
  EXPECT_EQ(first.segmentCount(), 5u);
  EXPECT_EQ(first.state(), Worm::EXTENDED);
  EXPECT_EQ(second.segmentCount(), 0u);
  EXPECT_EQ(second.state(), Worm::RETRACTED);

  const char *bad[] = {"worm 1 1 90 256 1", "worm 1 1 90 3 2", "worm 1 1 90 3"};
  for (const char *line : bad) {
    SCOPED_TRACE(line);
    levelwriter::LevelPlan refused;
    EXPECT_FALSE(
        levelwriter::readDescription(std::string(line) + "\n" + description, refused, error));
  }
}

TEST_F(WormTest, LiveSegmentsInViewAreBatchedAndTheBreakableOnePulses) {
  level->setVisible(math::Vector3(-30.0f, -30.0f, 0.0f), math::Vector3(30.0f, 30.0f, 0.0f));
  Worm *worm = addWorm(4, true);
  worm->segment(shelled(*worm)).burst();
  Worm *away = level->addWorm(new Worm(*level));
  away->setup(math::Vector3(90.0f, 0.0f, 0.0f), 0.0f, 3, true);
  blocktest::SpriteCanvas canvas;
  level->renderObjects(canvas);
  Texture *shell = TextureManager::of(*database)->getTexture(SYM(L"wormBodyUnbreakable"));
  Texture *core = TextureManager::of(*database)->getTexture(SYM(L"wormBodyBreakable"));
  std::vector<blocktest::Sprite> shells, cores;
  for (const blocktest::Sprite &sprite : canvas.sprites) {
    if (sprite.texture == shell)
      shells.push_back(sprite);
    if (sprite.texture == core)
      cores.push_back(sprite);
  }
  // Two shells left of three; the core twice, plain and as its glow.
  ASSERT_EQ(shells.size(), 2u);
  ASSERT_EQ(cores.size(), 2u);
  const uint32_t index = uint32_t(breakableIndex(*worm));
  const math::Vector3 &at = worm->segment(index).position();
  for (const blocktest::Sprite &sprite : cores) {
    EXPECT_EQ(sprite.position.x, at.x);
    EXPECT_EQ(sprite.position.y, at.y);
    // At play time 0 the pulse is 1.1 times the sprite size.
    EXPECT_NEAR(sprite.size, 1.1f * level->spriteSize(), 1e-3f);
  }
  EXPECT_EQ(cores[0].colour.a, 255);
  EXPECT_NEAR(cores[1].colour.a, 64, 1);
  EXPECT_NEAR(shells[0].size, level->spriteSize(), 1e-3f);
}
