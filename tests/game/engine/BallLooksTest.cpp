#include "BlockWorld.h"

#include "texture/TextureManager.h"

#include <gtest/gtest.h>

using blocktest::BlockWorld;

namespace {

class BallLooksTest : public BlockWorld {};

} // namespace

TEST_F(BallLooksTest, ThePowerLookBlinksFiveTimesASecondInItsLastTwoSeconds) {
  ball().setState(Ball::PLAYING);
  EXPECT_FALSE(ball().showsPowerLook());
  ball().setPower(Ball::FIRE);
  struct Case {
    float remaining;
    bool shown;
  };
  // round(t x 5) odd shows the look.
  const Case cases[] = {{10.0f, true}, {2.5f, true}, {1.9f, false}, {1.8f, true},
                        {1.6f, false}, {1.4f, true}, {0.2f, true},  {0.05f, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.remaining);
    ball().update(ball().powerTime() - c.remaining);
    EXPECT_NEAR(ball().powerTime(), c.remaining, 1e-4f);
    EXPECT_EQ(ball().showsPowerLook(), c.shown);
  }
}

TEST_F(BallLooksTest, ThePowerTimerStandsWhileTarred) {
  ball().setState(Ball::PLAYING);
  ball().setPower(Ball::NUCLEAR);
  ball().update(1.0f);
  ball().tar();
  ASSERT_EQ(ball().state(), Ball::TARRED);
  ball().update(5.0f);
  EXPECT_FLOAT_EQ(ball().powerTime(), 9.0f);
  EXPECT_EQ(ball().power(), Ball::NUCLEAR);
  ball().shakeOffTar();
  ball().update(1.0f);
  EXPECT_FLOAT_EQ(ball().powerTime(), 8.0f);
}

TEST_F(BallLooksTest, AlphasOfAppearingAndOfTheShieldBlink) {
  ball().setState(Ball::APPEARING);
  ball().update(0.25f);
  EXPECT_FLOAT_EQ(ball().appearAlpha(), 0.25f);
  ball().update(1.0f);
  EXPECT_FLOAT_EQ(ball().appearAlpha(), 1.0f);
  ball().setState(Ball::PLAYING);
  EXPECT_EQ(ball().blinkAlpha(), 1.0f);
  ball().loseShield();
  ball().update(0.05f);
  EXPECT_EQ(ball().blinkAlpha(), 0.2f);
  ball().update(1.0f);
  EXPECT_EQ(ball().blinkAlpha(), 1.0f);
}

TEST_F(BallLooksTest, TheTrailsTwoPassesByPower) {
  struct Case {
    unsigned power;
    bool glow;
    const wchar_t *texture;
    int blend;
    float start, end, scale, alpha;
  };
  const Case cases[] = {
      {Ball::FIRE, true, L"tailFire", video::BLEND_ADDITIVE, 4.0f, 2.0f, 8.0f, 1.0f},
      {Ball::ICE, true, L"tailBall", video::BLEND_ADDITIVE, 3.0f, 1.0f, 1.0f, 0.6f},
      {Ball::FIRE, false, L"tailBall", video::BLEND_NORMAL, 1.5f, 1.0f, 1.0f, 0.6f},
      {Ball::NO_POWER, false, L"tailBall", video::BLEND_NORMAL, 1.0f, 0.0f, 1.0f, 0.6f}};
  ball().setState(Ball::PLAYING);
  level->setBonus(4, 2);
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.power << (c.glow ? " glow" : " core"));
    if (c.power == Ball::NO_POWER)
      ball().clearPower();
    else
      ball().setPower(c.power);
    ball().setTrailStyle(c.glow);
    const video::RibbonRenderPass &pass = ball().trail().pass();
    EXPECT_EQ(pass.texture, TextureManager::of(*database)->getTexture(Symbol::intern(c.texture)));
    EXPECT_EQ(pass.blend, c.blend);
    EXPECT_EQ(pass.lineWidthStart, c.start);
    EXPECT_EQ(pass.lineWidthEnd, c.end);
    EXPECT_EQ(pass.tScale, c.scale);
    EXPECT_FLOAT_EQ(pass.color.a, c.alpha);
    // The glow takes the charge's colour, the core is white.
    EXPECT_EQ(pass.color.g, c.glow ? 0.0f : 1.0f);
    EXPECT_EQ(pass.fadeOutStart, 0.7f);
    EXPECT_EQ(pass.fadeOutEnd, 1.0f);
  }
}

TEST_F(BallLooksTest, AWaitingBallDrawsNothingAndAPlayingOneItsLookAtItsSize) {
  blocktest::SpriteCanvas canvas;
  ball().render(canvas);
  EXPECT_TRUE(canvas.drawn().empty());
  ball().setState(Ball::PLAYING);
  ball().setPosition(math::Vector3(6.0f, 3.0f, 0.0f));
  const float d = 2.0f * 1.45f;
  struct Case {
    unsigned power;
    unsigned charge;
    const wchar_t *look;
    float multiple;
    bool glow;
  };
  const Case cases[] = {{Ball::NO_POWER, COLOR_NONE, L"ballNormal", 3.0f, false},
                        {Ball::NO_POWER, 1, L"ballNormal", 3.0f, true},
                        {Ball::NUCLEAR, 4, L"ballNuclearRed", 1.2f, false},
                        {Ball::NUCLEAR, COLOR_NONE, L"ballNuclear", 1.2f, false},
                        {Ball::ICE, 2, L"iceBall0000", 1.5f, true}};
  TextureManager &textures = *TextureManager::of(*database);
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.power << " " << c.charge);
    level->setBonus(c.charge, 2);
    if (c.power == Ball::NO_POWER)
      ball().clearPower();
    else
      ball().setPower(c.power);
    canvas.quads.clear();
    ball().render(canvas);
    const testing_support::RecordedQuad *look = nullptr, *glow = nullptr;
    for (const testing_support::RecordedQuad &q : canvas.drawn()) {
      if (q.texture == textures.getTexture(Symbol::intern(c.look)))
        look = &q;
      if (q.texture == textures.getTexture(SYM(L"fuzzyDot")))
        glow = &q;
    }
    ASSERT_NE(look, nullptr);
    EXPECT_NEAR(look->right - look->left, c.multiple * d, 1e-3f);
    EXPECT_NEAR(0.5f * (look->left + look->right), 6.0f, 1e-3f);
    EXPECT_EQ(glow != nullptr, c.glow);
    if (glow) {
      EXPECT_NEAR(glow->right - glow->left, 5.0f * d, 1e-3f);
    }
  }
}

TEST(LightningOrbiter, BoltsGrowInAndShrinkOut) {
  LightningOrbiter orbiter;
  orbiter.lifetime = 0.5f;
  struct Case {
    float age, fade;
  };
  const Case cases[] = {{0.0f, 0.0f}, {0.025f, 0.5f}, {0.05f, 1.0f},
                        {0.3f, 1.0f}, {0.475f, 0.5f}, {0.5f, 0.0f}};
  for (const Case &c : cases) {
    orbiter.age = c.age;
    EXPECT_NEAR(orbiter.fade(), c.fade, 1e-4f) << c.age;
  }
}
