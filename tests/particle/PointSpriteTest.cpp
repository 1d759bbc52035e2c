// What an emitter hands the canvas's point-sprite drawing: positions scaled
// about their origins, one size, and colours only when they differ.

#include "ParticleTestSupport.h"

#include "math/Channel.h"
#include "math/FixedFrame.h"
#include "particle/SpoutBox.h"

#include <gtest/gtest.h>

using namespace particletest;

namespace {

struct Sprites : testing::Test {
  OneEmitter setup;
  RecordingCanvas canvas;

  void SetUp() override {
    EmitterDefinition &e = *setup.emitter;
    e.pointSpritesEnabled = true;
    e.billboard->size = math::Vector2(8, 6);
    e.billboard->initialScale = math::Vector2(2, 2);
    e.initialScale.setValue(math::Vector2(0.5f, 0.5f));
    e.initialColor.setValue(math::Color(1.0f, 0.5f, 0.5f, 1.0f));
    e.chargeThreshold = 0.25f;
    e.particleLifespan = 10.0f;
  }

  // Two particles, 0.5 and 0.25 s old, drawn once in the system's colour
  // and scale.
  const PointDraw &drawTwo(ParticleSystem &system, const math::Color &color,
                           const math::Vector3 &scale) {
    system.update(0.25f);
    system.update(0.25f);
    system.color = color;
    system.scale = scale;
    system.render(canvas);
    EXPECT_EQ(canvas.draws.size(), 1u);
    return canvas.draws.at(0);
  }
};

} // namespace

TEST_F(Sprites, OneColourForAllIsPushedInsteadOfAnArray) {
  auto system = setup.make(math::Vector3(10, 20, 0));
  const PointDraw &d =
      drawTwo(*system, math::Color(0.5f, 1.0f, 1.0f, 1.0f), math::Vector3(3, 1, 1));
  EXPECT_EQ(d.count, 2);
  EXPECT_EQ(d.components, 3);
  EXPECT_FALSE(d.colorArray);
  EXPECT_TRUE(d.color == math::Color(0.5f, 0.5f, 0.5f, 1.0f));
  // 8 x 2 x 0.5 x 3 wide, 6 x 2 x 0.5 high: the larger side.
  EXPECT_EQ(d.size, 24.0f);
  EXPECT_EQ(d.positions[0], 10.0f);
  EXPECT_EQ(d.positions[1], 20.0f);
  EXPECT_EQ(canvas.colorStackSize(), 0u);

  // Any pass but the default one draws nothing.
  system->render3D(canvas, Symbol::intern(L"reflection"));
  EXPECT_EQ(canvas.draws.size(), 1u);
}

TEST_F(Sprites, ColoursThatDifferGoAsAnArrayInTheSystemsColour) {
  auto *fade = new math::Channel;
  fade->addFrame(new math::FixedFrame(0.0f, math::TWEEN_LINEAR, 1.0f));
  fade->addFrame(new math::FixedFrame(1.0f, math::TWEEN_LINEAR, 0.0f));
  setup.emitter->setChannel(Symbol::intern(L"colorG"), fade);
  auto *box = new SpoutBox;
  box->extents = math::Vector3(4, 0, 0);
  box->centered = false;
  delete setup.emitter->spout;
  setup.emitter->spout = box;
  setup.emitter->pointSpritesIn2D = true;
  auto system = setup.make();
  const PointDraw &d =
      drawTwo(*system, math::Color(1.0f, 1.0f, 1.0f, 0.5f), math::Vector3(2, 1, 1));
  EXPECT_EQ(d.components, 2);
  ASSERT_TRUE(d.colorArray);
  // Green faded by age (0.5 and 0.25 s old), alpha halved by the system.
  EXPECT_EQ(d.colors[1], 127);
  EXPECT_EQ(d.colors[5], 191);
  EXPECT_EQ(d.colors[3], 127);
  // Offsets from the origin doubled: x within [0, 16].
  for (int i = 0; i < 2; ++i) {
    EXPECT_GE(d.positions[2 * i], 0.0f);
    EXPECT_LE(d.positions[2 * i], 16.0f);
    EXPECT_EQ(d.positions[2 * i], 2.0f * system->emitter(0).particle(i).location.x);
  }
}
