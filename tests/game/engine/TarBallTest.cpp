// The tar ball: its chain, the chase at its atom count in units a second,
// sticking to a playing ball, fleeing a powered one and being caught for
// points, the 3 s that kill a tarred ball, shaking off, the shared dots,
// and its two records.

#include "BlockWorld.h"

#include "engine/TarBall.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "game/LevelFileBytes.h"
#include "physics/DistanceConstraints.h"
#include "texture/TextureManager.h"

#include "LevelText.h"
#include "LevelWriter.h"

#include <gtest/gtest.h>

#include <string>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

class TarBallTest : public BlockWorld {
protected:
  TarBall *addTar(const math::Vector2i &cell, uint32_t atoms) {
    auto *tar = new TarBall(*level);
    level->addTarBall(tar);
    tar->place(cell, atoms);
    return tar;
  }
  void ballAt(const math::Vector3 &at, unsigned state = Ball::PLAYING) {
    ball().setState(Ball::WAITING);
    ball().setState(state);
    ball().setPosition(at);
  }
  // The tar stuck to a playing ball at the origin.
  TarBall *stuckTar(uint32_t atoms) {
    ballAt(math::Vector3());
    TarBall *tar = addTar(math::Vector2i(0, 0), atoms);
    tar->update(frame);
    EXPECT_EQ(tar->state(), TarBall::STUCK);
    return tar;
  }
};

} // namespace

TEST_F(TarBallTest, ALongerTarIsFasterAndItsAtomsAreChainedBySticks) {
  struct Case {
    uint32_t atoms;
    uint32_t sticks;
  };
  const Case cases[] = {{1, 0}, {4, 3}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.atoms);
    ballAt(math::Vector3(60.0f, 0.0f, 0.0f));
    TarBall *tar = addTar(math::Vector2i(0, 0), c.atoms);
    EXPECT_EQ(tar->structure().constraints.size(), c.sticks);
    for (const physics::Constraint3D *constraint : tar->structure().constraints)
      EXPECT_EQ(static_cast<const physics::Constraint3DStick *>(constraint)->length, 1.5f);
    EXPECT_EQ(tar->structure().getAtom(0).damping, TarBall::atomDamping);
    for (int i = 0; i < 30; ++i)
      tar->update(frame);
    // One second of chasing: the atom count in units, straight at the ball.
    EXPECT_NEAR(tar->getPosition().x, float(c.atoms), 1e-3f);
    EXPECT_NEAR(tar->getPosition().y, 0.0f, 1e-5f);
    EXPECT_NEAR(tar->heading(), 90.0f, 1e-3f);
    EXPECT_EQ(tar->state(), TarBall::CHASING);
  }
}

TEST_F(TarBallTest, ItSticksOnlyToAPlayingBall) {
  ASSERT_TRUE(soundOpen);
  struct Case {
    unsigned ballState;
    bool sticks;
  };
  const Case cases[] = {{Ball::PLAYING, true}, {Ball::APPEARING, false}, {Ball::DYING, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.ballState);
    ballAt(math::Vector3(2.0f, 0.0f, 0.0f), c.ballState);
    TarBall *tar = addTar(math::Vector2i(0, 0), 2);
    quiet();
    tar->update(frame);
    EXPECT_EQ(tar->state() == TarBall::STUCK, c.sticks);
    EXPECT_EQ(ball().state() == Ball::TARRED, c.sticks);
    EXPECT_EQ(played(L"tar"), c.sticks);
    tar->setDead();
  }
}

TEST_F(TarBallTest, ATarredBallDiesAfterThreeSecondsEvenWithAPowerGained) {
  for (bool powered : {false, true}) {
    SCOPED_TRACE(powered);
    TarBall *tar = stuckTar(3);
    if (powered)
      ball().setPower(Ball::ICE);
    for (int i = 0; i < 89; ++i)
      tar->update(frame);
    // Only a chasing tar turns to flee: this one holds on.
    EXPECT_EQ(tar->state(), TarBall::STUCK);
    EXPECT_EQ(ball().state(), Ball::TARRED);
    for (int i = 0; i < 3; ++i)
      tar->update(frame);
    EXPECT_EQ(ball().state(), Ball::DYING);
    // Its atoms close in on the ball.
    EXPECT_LT(tar->structure().getAtom(2).position.length(), 0.1f);
    tar->setDead();
  }
}

TEST_F(TarBallTest, APoweredBallMakesItFleeAndCatchingItScoresByItsSize) {
  ASSERT_TRUE(soundOpen);
  for (uint32_t atoms : {1u, 4u}) {
    SCOPED_TRACE(atoms);
    ballAt(math::Vector3(-9.0f, 0.0f, 0.0f));
    ball().setPower(Ball::FIRE);
    TarBall *tar = addTar(math::Vector2i(0, 0), atoms);
    tar->update(frame);
    EXPECT_EQ(tar->state(), TarBall::FLEEING);
    EXPECT_GT(tar->getPosition().x, 0.0f);
    EXPECT_NEAR(tar->heading(), 90.0f, 1e-3f);
    // Losing the power sends it chasing again.
    ball().clearPower();
    tar->update(frame);
    EXPECT_EQ(tar->state(), TarBall::CHASING);

    ball().setPower(Ball::FIRE);
    const uint32_t before = level->score();
    const uint32_t sparks = ball().sparkSystem().sparkCount();
    ball().setPosition(tar->getPosition() - math::Vector3(1.0f, 0.0f, 0.0f));
    quiet();
    tar->update(frame);
    EXPECT_TRUE(tar->isDead());
    EXPECT_EQ(level->score(), before + 150 + 100 * atoms);
    EXPECT_TRUE(played(L"killTar"));
    EXPECT_EQ(ball().sparkSystem().sparkCount(), sparks + 5);
    EXPECT_EQ(ball().state(), Ball::PLAYING);
  }
  EXPECT_EQ(effects(Level::objectEffects(), L"tarHitBySuper").size(), 2u);
}

TEST_F(TarBallTest, ShakingOffRemovesOnlyTheStuckTarAndDeathDeactivatesTheRest) {
  stuckTar(2);
  TarBall *free = addTar(math::Vector2i(20, 0), 2);
  level->shakeOffTarBalls();
  ASSERT_EQ(level->tarBalls().size(), 1u);
  EXPECT_EQ(level->tarBalls()[0], free);
  EXPECT_EQ(effects(Level::objectEffects(), L"tarShaken").size(), 1u);

  free->update(1.0f);
  free->deactivate();
  EXPECT_EQ(free->state(), TarBall::INACTIVE);
  const math::Vector3 resting = free->getPosition();
  free->update(1.0f);
  EXPECT_EQ(free->getPosition(), resting);
  free->reset();
  EXPECT_EQ(free->state(), TarBall::CHASING);
  for (uint32_t i = 0; i < free->atomCount(); ++i)
    EXPECT_EQ(free->structure().getAtom(i).position, math::Vector3(60.0f, 0.0f, 0.0f));
}

TEST_F(TarBallTest, EveryTarDripsIntoTheLevelsOneListOfDots) {
  ballAt(math::Vector3(100.0f, 100.0f, 0.0f));
  addTar(math::Vector2i(0, 0), 2);
  addTar(math::Vector2i(-10, 0), 3);
  // Both drip at their first update.
  level->tarBalls().update(frame);
  const TarDots &dots = level->tarDots();
  ASSERT_EQ(dots.recordCount(), 2u);
  EXPECT_TRUE(dots.record(0).active);
  EXPECT_NEAR(dots.record(1).position.x, -30.0f, 3.0f);
  EXPECT_NEAR(dots.record(0).velocity.length(), TarDots::speed, 1e-3f);
  // A dot slows, lives a second and its record is reused.
  level->tarDots().update(0.5f);
  EXPECT_NEAR(dots.record(0).velocity.length(), TarDots::speed * TarDots::slowing, 1e-3f);
  level->tarDots().update(0.5f);
  EXPECT_FALSE(dots.record(0).active);
  EXPECT_FALSE(dots.record(1).active);
  level->tarDots().add(math::Vector2(5.0f, 5.0f));
  EXPECT_EQ(dots.recordCount(), 2u);
  EXPECT_EQ(dots.record(0).position.x, 5.0f);
  struct Size {
    float age, growth;
  };
  const Size sizes[] = {{0.07f, 0.5f}, {0.3f, 1.0f}, {0.7f, 0.5f}, {1.0f, 0.0f}};
  for (const Size &s : sizes)
    EXPECT_NEAR(TarDots::growth(s.age), s.growth, 1e-5f) << s.age;
}

TEST_F(TarBallTest, ASnapshotRestoresTheTarAndATarOfNoAtomsIsRefused) {
  TarBall *tar = addTar(math::Vector2i(2, -1), 3);
  tar->setRegionIndex(5);
  ballAt(math::Vector3(30.0f, 0.0f, 0.0f));
  for (int i = 0; i < 10; ++i)
    tar->update(frame);
  file::BufferBinary out;
  tar->write(out);
  const std::string bytes = gametest::bytesOf(out);

  TarBall copy(*level);
  file::BufferBinary in;
  gametest::fill(in, bytes);
  ASSERT_TRUE(copy.read(in));
  EXPECT_EQ(in.bytesRemaining(), 0u);
  EXPECT_EQ(copy.regionIndex(), 5);
  EXPECT_EQ(copy.state(), tar->state());
  EXPECT_EQ(copy.stateTime(), tar->stateTime());
  EXPECT_EQ(copy.cell().x, 2);
  EXPECT_EQ(copy.cell().y, -1);
  ASSERT_EQ(copy.atomCount(), 3u);
  EXPECT_EQ(copy.structure().constraints.size(), 2u);
  for (uint32_t i = 0; i < 3; ++i) {
    const math::Vector3 &a = tar->structure().getAtom(i).position;
    const physics::Atom &b = copy.structure().getAtom(i);
    EXPECT_EQ(b.position, math::Vector3(a.x, a.y, 0.0f));
    EXPECT_EQ(b.previousPosition, b.position);
  }

  // The atom count follows floor area, state, time and cell.
  const size_t countAt = 2 + 1 + 4 + 8;
  std::string none = bytes.substr(0, countAt + 1);
  none[countAt] = 0;
  std::string badState = bytes;
  badState[2] = char(TarBall::UNSET);
  struct Refusal {
    const char *what;
    std::string bytes;
  };
  const Refusal refusals[] = {{"no atoms", none},
                              {"a state no tar has", badState},
                              {"cut short", bytes.substr(0, bytes.size() - 1)}};
  for (const Refusal &r : refusals) {
    SCOPED_TRACE(r.what);
    TarBall refused(*level);
    gametest::fill(in, r.bytes);
    EXPECT_FALSE(refused.read(in));
    EXPECT_EQ(refused.atomCount(), 1u);
  }
}

TEST_F(TarBallTest, TheLevelReadsItsTarEntriesOnTheirFloorAndRefusesATarOfNoAtoms) {
  const char *description = R"(
ball 0 0
tar 2 1 4
tar 11 0 1
map -3 2
.......   .....
.r.....   .....
.......   .....
.......   .....
.......   .....
end
)";
  levelwriter::LevelPlan plan;
  std::string error;
  ASSERT_TRUE(levelwriter::readDescription(description, plan, error)) << error;
  file::BufferBinary bytes;
  ASSERT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
  const std::string whole = gametest::bytesOf(bytes);
  bytes.seek(0);
  Level loaded(nullptr);
  ASSERT_TRUE(loaded.load(bytes));
  ASSERT_EQ(loaded.tarBalls().size(), 2u);
  const TarBall &first = *loaded.tarBalls()[0], &second = *loaded.tarBalls()[1];
  EXPECT_EQ(first.getPosition(), math::Vector3(6.0f, 3.0f, 0.0f));
  EXPECT_EQ(first.atomCount(), 4u);
  EXPECT_EQ(first.regionIndex(), 0);
  EXPECT_EQ(second.regionIndex(), 1);
  EXPECT_EQ(loaded.findTarBall(math::Vector2i(11, 0)), &second);
  EXPECT_TRUE(loaded.hasTarBall(math::Vector2i(2, 1)));
  EXPECT_FALSE(loaded.hasTarBall(math::Vector2i(2, 2)));
  TarBall *taken = loaded.takeTarBall(math::Vector2i(2, 1));
  EXPECT_EQ(taken, &first);
  EXPECT_EQ(loaded.tarBalls().size(), 1u);
  delete taken;

  // The second entry's atom count is the file's last byte before the
  // sections that follow the tar list.
  const std::string entry("\x0b\x00\x00\x00\x00\x00\x00\x00\x01", 9);
  const size_t at = whole.find(entry);
  ASSERT_NE(at, std::string::npos);
  std::string empty = whole;
  empty[at + 8] = 0;
  file::BufferBinary in;
  gametest::fill(in, empty);
  Level refused(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(refused.load(in));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("refused"), std::string::npos);
}

TEST_F(TarBallTest, ItsBlobsCoresEyeAndPupilAreBatchedByTheBallsPower) {
  level->setVisible(math::Vector3(-30.0f, -30.0f, 0.0f), math::Vector3(30.0f, 30.0f, 0.0f));
  ballAt(math::Vector3(20.0f, 0.0f, 0.0f));
  addTar(math::Vector2i(0, 0), 3);
  addTar(math::Vector2i(40, 0), 3);
  Texture *dot = TextureManager::of(*database)->getTexture(SYM(L"dot"));
  Texture *eye = TextureManager::of(*database)->getTexture(SYM(L"tarBallEye"));
  struct Case {
    unsigned power;
    // Blob tint, core colour; whether the eye shows.
    math::PackedColor blob, core;
    bool eye;
  };
  const Case cases[] = {
      {Ball::NO_POWER, math::PackedColor(255, 0, 0, 127), math::PackedColor(0, 0, 0, 255), true},
      {Ball::FIRE, math::PackedColor(255, 255, 255, 127), math::PackedColor(255, 255, 255, 255),
       false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.power);
    if (c.power != Ball::NO_POWER)
      ball().setPower(c.power);
    blocktest::SpriteCanvas canvas;
    level->renderObjects(canvas);
    std::vector<blocktest::Sprite> dots;
    uint32_t eyes = 0;
    for (const blocktest::Sprite &sprite : canvas.sprites) {
      if (sprite.texture == dot)
        dots.push_back(sprite);
      eyes += sprite.texture == eye ? 1 : 0;
    }
    // The tar in view only: three blobs, two cores and the pupil.
    ASSERT_EQ(dots.size(), 6u);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(dots[i].colour.r, c.blob.r);
    EXPECT_NEAR(dots[0].colour.a, c.blob.a, 1);
    EXPECT_EQ(dots[3].colour.r, c.core.r);
    EXPECT_EQ(dots[3].colour.a, c.core.a);
    EXPECT_NEAR(dots[3].size, 0.7f * level->spriteSize(), 1e-3f);
    // The pupil looks towards the ball.
    EXPECT_GT(dots[5].position.x, 0.0f);
    EXPECT_EQ(dots[5].colour.r, 0);
    EXPECT_EQ(eyes, c.eye ? 1u : 0u);
  }
}
