#include "PlayWorld.h"

#include "engine/BlockGeometry.h"
#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "input/InputEvent.h"
#include "physics/Structure3D.h"

#include <gtest/gtest.h>

#include <cmath>

using leveltest::PlayWorld;

namespace {

class LevelUpdateTest : public PlayWorld {
protected:
  framework::InputEvent tap(int x, int y) {
    framework::InputEvent event;
    event.kind = framework::InputEvent::BUTTON_DOWN;
    event.button = framework::InputEvent::BUTTON_LEFT;
    event.position = math::Vector2i(x, y);
    return event;
  }
  uint32_t faces(const Block &block) {
    return static_cast<const BlockGeometry &>(const_cast<Block &>(block).geometry()).faceMask();
  }
};

} // namespace

// The intro and the start of play.

TEST_F(LevelUpdateTest, TheTutorialShowsOnlyOnTheFirstLevelWhileOnlyItIsOpen) {
  struct Case {
    uint32_t select, unlocked;
    bool page;
    int32_t state;
  };
  const Case cases[] = {
      // Without its page the tutorial counts as seen: the intro starts.
      {0, 1, false, Level::BALL_INTRO},
      {0, 1, true, Level::TUTORIAL},
      {0, 2, true, Level::BALL_INTRO},
      {1, 2, true, Level::BALL_INTRO},
  };
  GUI::Page *tutorial = nullptr;
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.select << " " << c.unlocked << " " << c.page);
    if (c.page && !tutorial)
      tutorial = addPage(L"tutorial");
    UserProfile &profile = static_cast<UserProfile &>(*FrontEnd::currentProfile());
    profile.selectLevel(c.select);
    profile.m_levelsUnlocked = c.unlocked;
    delete level;
    level = new blocktest::TestLevel(engine);
    level->begin();
    frames(1);
    EXPECT_EQ(level->state(), c.state);
    if (tutorial)
      tutorial->setState(GUI::Page::INACTIVE);
  }
  // The tutorial ends when its page has gone.
  UserProfile &profile = static_cast<UserProfile &>(*FrontEnd::currentProfile());
  profile.selectLevel(0);
  profile.m_levelsUnlocked = 1;
  level->setState(Level::TUTORIAL);
  frames(5);
  EXPECT_EQ(level->state(), Level::TUTORIAL);
  tutorial->exit();
  tutorial->setState(GUI::Page::INACTIVE);
  frames(1);
  EXPECT_EQ(level->state(), Level::BALL_INTRO);
}

TEST_F(LevelUpdateTest, TheIntroPlacesTheBallAndPlaysAfterThreeSeconds) {
  static_cast<UserProfile &>(*FrontEnd::currentProfile()).m_levelsUnlocked = 2;
  level->setBallStart(math::Vector2(6.0f, -3.0f));
  level->begin();
  EXPECT_EQ(level->state(), Level::BALL_INTRO);
  EXPECT_EQ(ball().state(), Ball::WAITING);
  EXPECT_EQ(ball().atomPosition(), math::Vector3(6.0f, -3.0f, 0.0f));
  level->setBonus(2, 3);
  frames(29);
  EXPECT_EQ(ball().state(), Ball::WAITING);
  frames(2);
  EXPECT_EQ(ball().state(), Ball::APPEARING);
  frames(60);
  EXPECT_EQ(level->state(), Level::PLAYING);
  EXPECT_EQ(ball().state(), Ball::PLAYING);
  const math::Vector3 camera = level->camera().position();
  EXPECT_NEAR(camera.x, 6.0f, 1e-4f);
  EXPECT_NEAR(camera.y, -3.0f, 1e-4f);
  EXPECT_FLOAT_EQ(camera.z, Level::cameraHeight);
  // Each intro starts without a bonus charge.
  level->setBonus(2, 3);
  level->setState(Level::BALL_LOST);
  level->setState(Level::BALL_INTRO);
  EXPECT_FALSE(level->hasBonusCharge());
  EXPECT_EQ(level->bonusCount(), 1u);
}

// The ball in play.

TEST_F(LevelUpdateTest, TheTiltRollsTheBallInItsPlaneKeepingAtMostOneUnitAStep) {
  play();
  settle();
  tilt(math::Vector3(0.6f, -0.4f, 0.0f));
  physics::Atom &atom = ball().atom();
  float fastest = 0.0f;
  for (int i = 0; i < 90; ++i) {
    frames(1);
    EXPECT_EQ(atom.position.z, 0.0f);
    fastest = std::fmax(fastest, (atom.position - atom.previousPosition).length());
  }
  // The speed carried into the next step is clamped; it reached the clamp.
  EXPECT_LE(fastest, 1.0f + 1e-5f);
  EXPECT_GT(fastest, 0.99f);
  EXPECT_GT(atom.position.x, 30.0f);
  EXPECT_LT(atom.position.y, -20.0f);
  EXPECT_GT(atom.position.x / -atom.position.y, 1.4f);
  EXPECT_EQ(level->tilt(), app->gravity());
}

TEST_F(LevelUpdateTest, PlayTimeGrowsOnlyWhileTheBallPlays) {
  level->begin();
  frames(90);
  EXPECT_EQ(level->playTime(), 0.0f);
  struct Case {
    int32_t state;
    bool grows;
  };
  const Case cases[] = {{Level::PLAYING, true},     {Level::SHAKE_OFF, true},
                        {Level::BALL_LOST, false},  {Level::COMPLETING, false},
                        {Level::COMPLETE, false},   {Level::FAILED, false},
                        {Level::BALL_INTRO, false}, {Level::TUTORIAL, false}};
  frames(15);
  ASSERT_EQ(level->state(), Level::PLAYING);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.state);
    level->setState(c.state);
    ball().setState(Ball::PLAYING);
    const float before = level->playTime();
    level->update(0.25f);
    EXPECT_EQ(level->playTime() > before, c.grows);
  }
  // A ball still appearing does not count.
  level->setState(Level::PLAYING);
  ball().setState(Ball::APPEARING);
  const float before = level->playTime();
  level->update(0.25f);
  EXPECT_EQ(level->playTime(), before);
}

TEST_F(LevelUpdateTest, ADyingBallFailsWithoutAReserveAndIsReplacedWithOne) {
  play();
  level->setBalls(0);
  ball().die();
  frames(1);
  EXPECT_EQ(level->state(), Level::FAILED);
  EXPECT_TRUE(level->isFailed());

  level->setState(Level::BALL_INTRO);
  frames(95);
  ASSERT_EQ(level->state(), Level::PLAYING);
  level->setBalls(1);
  ball().die();
  frames(1);
  EXPECT_EQ(level->state(), Level::BALL_LOST);
  EXPECT_EQ(level->balls(), 1u);
  level->update(2.0f);
  EXPECT_EQ(level->state(), Level::BALL_LOST);
  frames(1);
  EXPECT_EQ(level->state(), Level::BALL_INTRO);
  EXPECT_EQ(level->balls(), 0u);
  EXPECT_EQ(ball().state(), Ball::WAITING);
}

TEST_F(LevelUpdateTest, BreakingEveryColouredBlockCompletesTheLevel) {
  GUI::Page *overlay = addPage(L"levelCompleteOverlay");
  Block *blue = addBlock(Block::NORMAL, 0, 5, 0);
  Block *bonus = addBlock(Block::BONUS, 3, 8, 0);
  addBlock(Block::STONE, COLOR_NONE, 5, 4);
  addBlock(Block::UNBREAKABLE, COLOR_NONE, 6, 4);
  EXPECT_EQ(grid().colouredCount(), 2u);
  play();
  touch(*blue);
  frames(1);
  EXPECT_EQ(level->blocksBroken(), 1u);
  EXPECT_EQ(level->state(), Level::PLAYING);
  touch(*bonus);
  frames(1);
  EXPECT_EQ(level->blocksBroken(), 2u);
  EXPECT_EQ(level->state(), Level::COMPLETING);
  EXPECT_EQ(ball().state(), Ball::COMPLETE);
  quiet();
  level->update(1.0f);
  EXPECT_EQ(level->state(), Level::COMPLETING);
  frames(1);
  EXPECT_EQ(level->state(), Level::COMPLETE);
  EXPECT_TRUE(level->isComplete());
  EXPECT_TRUE(shown(*overlay));
  EXPECT_TRUE(!soundOpen || played(L"levelComplete"));
}

TEST_F(LevelUpdateTest, WithoutColouredBlocksTheLevelNeverCompletes) {
  Block *stone = addBlock(Block::STONE, COLOR_NONE, 3, 0);
  addBlock(Block::UNBREAKABLE, COLOR_NONE, 4, 0);
  play();
  touch(*stone);
  frames(300);
  EXPECT_EQ(grid().blockAt(3, 0), nullptr);
  EXPECT_EQ(level->blocksBroken(), 0u);
  EXPECT_EQ(level->score(), 25u);
  EXPECT_EQ(level->state(), Level::PLAYING);
}

TEST_F(LevelUpdateTest, ADeadBlockIsDeletedInItsUpdateAndItsNeighboursShowTheirFaces) {
  // A plus of blue blocks around (1, 1).
  Block *left = addBlock(Block::NORMAL, 0, 0, 1);
  Block *middle = addBlock(Block::NORMAL, 0, 1, 1);
  Block *right = addBlock(Block::NORMAL, 0, 2, 1);
  Block *below = addBlock(Block::NORMAL, 0, 1, 0);
  Block *above = addBlock(Block::NORMAL, 0, 1, 2);
  level->refreshBlockFaces(grid().origin(), grid().end());
  EXPECT_EQ(faces(*left) & 1u, 0u);
  EXPECT_EQ(faces(*right) & 2u, 0u);
  EXPECT_EQ(faces(*below) & 4u, 0u);
  EXPECT_EQ(faces(*above) & 8u, 0u);
  play();
  touch(*middle);
  frames(1);
  EXPECT_EQ(grid().blockAt(1, 1), nullptr);
  EXPECT_EQ(level->blocksBroken(), 1u);
  EXPECT_EQ(level->blockTableCount(), 4u);
  // Each neighbour's face towards the hole is open now.
  EXPECT_EQ(faces(*left) & 1u, 1u);
  EXPECT_EQ(faces(*right) & 2u, 2u);
  EXPECT_EQ(faces(*below) & 4u, 4u);
  EXPECT_EQ(faces(*above) & 8u, 8u);
}

TEST_F(LevelUpdateTest, AGroupOfIceShattersTwoTenthsAfterItsLastFreezeSpreads) {
  Block *first = addBlock(Block::NORMAL, 1, 4, 0);
  Block *second = addBlock(Block::NORMAL, 1, 5, 0);
  play();
  ball().setPower(Ball::ICE);
  touch(*first);
  frames(1);
  ASSERT_TRUE(first->frozen());
  ASSERT_TRUE(second->frozen());
  // Both have spread by 0.075 s; the next update starts the timer.
  level->update(0.1f);
  ASSERT_EQ(level->groupCounts().count(), 0u);
  ASSERT_EQ(level->groupTimers().size(), 1u);
  EXPECT_FLOAT_EQ(level->groupTimers()[0].seconds, 0.2f);
  level->update(0.15f);
  EXPECT_FALSE(first->isDead());
  level->update(0.05f);
  // Broken in the timer's last update and deleted in the next.
  EXPECT_TRUE(level->groupTimers().isEmpty());
  level->update(0.01f);
  EXPECT_EQ(grid().blockAt(4, 0), nullptr);
  EXPECT_EQ(grid().blockAt(5, 0), nullptr);
  EXPECT_EQ(level->blocksBroken(), 2u);
  // One drop shows the group's points.
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 50u);
  EXPECT_TRUE(level->scoreDrops().isEmpty());
}

TEST_F(LevelUpdateTest, RangesReachingPastTheGridAreClippedToIt) {
  // A grid of two cells; every range below reaches far past it.
  Block *low = addBlock(Block::NORMAL, 0, 5, 5);
  Block *high = addBlock(Block::NORMAL, 0, 6, 6);
  high->setGroup(3);
  play();
  for (const math::Vector3 &at :
       {math::Vector3(-300.0f, -300.0f, 0.0f), math::Vector3(300.0f, 18.0f, 0.0f)}) {
    ball().setPosition(at);
    frames(2);
  }
  EXPECT_EQ(level->blocksBroken(), 0u);
  level->lightningFrom(*high);
  EXPECT_EQ(level->lightningTargetCount(), 1u);
  // Its bolt takes the target into the group at once.
  EXPECT_EQ(low->group(), 3u);
  level->blast(math::Vector3(-1000.0f, 0.0f, 0.0f), 6.0f, 1.0f);
  level->blast(math::Vector3(18.0f, 18.0f, 0.0f), 60.0f, 1.0f);
  EXPECT_TRUE(low->shaking());
  level->refreshBlockFaces(math::Vector2i(-100, -100), math::Vector2i(100, 100));
  // The ball meets the blocks it reaches; the marked one breaks when the
  // bolt strikes.
  ball().setPosition(math::Vector3(15.0f, 15.0f, 0.0f));
  frames(1);
  EXPECT_TRUE(low->touched());
  frames(20);
  EXPECT_EQ(level->blocksBroken(), 1u);
  EXPECT_EQ(grid().blockAt(5, 5), nullptr);
}

// The camera.

TEST_F(LevelUpdateTest, WithTheFloorOnScreenTheCameraStaysHome) {
  level->setFitsOnScreen(true);
  level->setBallStart(math::Vector2(20.0f, 20.0f));
  play();
  const math::Vector3 home(0.0f, 0.0f, Level::cameraHeight);
  EXPECT_EQ(level->camera().position(), home);
  settle();
  tilt(math::Vector3(4.0f, 0.0f, 0.0f));
  frames(60);
  EXPECT_GT(ball().atomPosition().x, 60.0f);
  EXPECT_EQ(level->camera().position(), home);

  // Shaking off tar closes in and goes back home.
  level->setState(Level::SHAKE_OFF);
  frames(30);
  EXPECT_NEAR(level->camera().position().z, 27.5f, 1e-4f);
  tilt(math::Vector3(-4.0f, 0.0f, 0.0f));
  frames(1);
  EXPECT_EQ(level->state(), Level::PLAYING);
  frames(30);
  EXPECT_EQ(level->camera().position(), home);
}

TEST_F(LevelUpdateTest, TheCameraKeepsTheBallInsideTheMargins) {
  play();
  settle();
  tilt(math::Vector3(0.0f, 4.0f, 0.0f));
  frames(45);
  ASSERT_GT(ball().atomPosition().y, 40.0f);
  const math::Vector2 pixel = level->camera().projectToPixel(ball().atomPosition());
  EXPECT_NEAR(pixel.x, 160.0f, 0.5f);
  // y upward: the ball stays 100 pixels below the top.
  EXPECT_NEAR(pixel.y, 380.0f, 0.5f);
  EXPECT_FLOAT_EQ(level->camera().position().z, Level::cameraHeight);
  // Moving down it is held 120 pixels above the bottom, clear of the bar.
  tilt(math::Vector3(0.0f, -4.0f, 0.0f));
  frames(90);
  EXPECT_NEAR(level->camera().projectToPixel(ball().atomPosition()).y, 120.0f, 0.5f);
}

// Input.

TEST_F(LevelUpdateTest, ATapWellInsideTheWindowPausesOnceTheGameHasRunThreeSeconds) {
  GUI::Page *pause = addPage(L"pause", true);
  play();
  struct Case {
    int x, y;
    bool pauses;
  };
  const Case cases[] = {{160, 240, true},  {50, 50, true},    {270, 430, true}, {49, 240, false},
                        {160, 431, false}, {271, 240, false}, {160, 10, false}};
  app->updateRunning(3.0f);
  EXPECT_FALSE(level->handleEvent(tap(160, 240)));
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::INACTIVE));
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    app->updateRunning(0.1f);
    EXPECT_FALSE(level->handleEvent(tap(c.x, c.y)));
    EXPECT_EQ(shown(*pause), c.pauses);
    pause->setState(GUI::Page::INACTIVE);
    app->updateRunning(3.5f);
  }
  // Only a press during the intro, play, shaking or a lost ball.
  level->setState(Level::COMPLETING);
  EXPECT_FALSE(level->handleEvent(tap(160, 240)));
  EXPECT_EQ(pause->state(), uint32_t(GUI::Page::INACTIVE));
}
