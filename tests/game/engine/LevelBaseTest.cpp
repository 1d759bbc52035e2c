#include "engine/LevelBase.h"
#include "EffectWorld.h"
#include "particle/Effect3D.h"
#include "particle/Effect3DList.h"

#include "support/FakeWindow.h"
#include "support/NullCanvas.h"
#include "video/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Notes what reaches the canvas, and whether drawing stores 2-D positions.
class PassCanvas : public testing_support::NullCanvas {
public:
  std::vector<std::string> *log = nullptr;

  void setScreenProjection(float width, float height) override {
    log->push_back("screen " + std::to_string(int(width)) + "x" + std::to_string(int(height)));
  }
  void setCamera(const Camera *camera, const video::CameraView &view) override {
    NullCanvas::setCamera(camera, view);
    log->push_back("camera");
  }
};

class PassLevel : public LevelBase {
public:
  std::vector<std::string> log;
  video::Canvas *expected = nullptr;

  PassLevel() : LevelBase(nullptr) {}
  bool isComplete() const override { return false; }
  bool isFailed() const override { return false; }
  void renderBackground(video::Canvas &c) override { note("background", c); }
  void renderFloors(video::Canvas &c) override { note("floors", c); }
  void renderGround(video::Canvas &c) override { note("ground", c); }
  void renderBlocks(video::Canvas &c) override { note("blocks", c); }
  void renderObjects(video::Canvas &c) override { note("objects", c); }
  void renderGates(video::Canvas &c) override { note("gates", c); }
  void renderOverlay(video::Canvas &c) override { note("overlay", c); }

private:
  void note(const char *pass, video::Canvas &c) {
    std::string line = pass;
    line += c.is2D() ? " 2d" : " 3d";
    line += c.camera() == &camera() ? " through camera" : " in pixels";
    log.push_back(line);
  }
};

using testing_support::WindowSwap;

} // namespace

TEST(LevelBase, CameraAboveTheLevel) {
  PassLevel level;
  const Camera &camera = level.camera();
  EXPECT_EQ(camera.clipFar(), 50000.0f);
  EXPECT_EQ(camera.position(), math::Vector3(0.0f, 0.0f, 55.0f));
  EXPECT_EQ(level.cameraAngle(), 0.0f);
  // No turn: the camera looks straight down the z axis.
  EXPECT_EQ(camera.forward(), math::Vector3(0.0f, 0.0f, -1.0f));
  EXPECT_EQ(level.totalTime(), 0.0f);
  EXPECT_EQ(level.engine(), nullptr);
}

TEST(LevelBase, UpdateCountsTotalTime) {
  PassLevel level;
  level.update(0.25f);
  level.update(0.5f);
  EXPECT_FLOAT_EQ(level.totalTime(), 0.75f);
}

TEST(LevelBase, FinishedEffectsLeaveInTheUpdateThatEndsThem) {
  EffectWorld world;
  PassLevel level;
  const Symbol list = SYM(L"object");
  // Lifespans 0.1, 5 and 0.1: the first and the last end in the first update.
  for (float lifespan : {0.1f, 5.0f, 0.1f}) {
    auto *effect = new Effect3D(SYM(L"glow"), lifespan);
    effect->velocity = math::Vector3(1, 0, 0);
    level.addEffect(effect, list);
  }
  Effect3DList *effects = level.effects().list(list);
  ASSERT_NE(effects, nullptr);
  ASSERT_EQ(effects->count(), 3u);
  Effect3D *survivor = effects->at(1);
  ASSERT_FALSE(survivor->isFinished());
  level.update(0.1f);
  ASSERT_EQ(effects->count(), 1u);
  EXPECT_EQ(effects->at(0), survivor);
  // Moved into the first index and still updated in the same pass.
  EXPECT_FLOAT_EQ(survivor->age, 0.1f);
  EXPECT_FLOAT_EQ(survivor->location.x, 0.1f);
}

TEST(LevelBase, SpawnedEffectsKeepTheirDefinitionsLifetime) {
  EffectWorld world;
  PassLevel level;
  level.spawnEffect(SYM(L"glow"), math::Vector3(1, 2, 3), 2.0f, math::Color(1.0f, 0.0f, 0.0f, 1.0f),
                    SYM(L"ground"));
  Effect3DList *ground = level.effects().list(SYM(L"ground"));
  ASSERT_NE(ground, nullptr);
  ASSERT_EQ(ground->count(), 1u);
  const Effect3D &effect = *ground->at(0);
  EXPECT_EQ(effect.lifespan, -1.0f);
  EXPECT_EQ(effect.location, math::Vector3(1, 2, 3));
  EXPECT_EQ(effect.scale, 2.0f);
  EXPECT_EQ(effect.color.g, 0.0f);
  EXPECT_EQ(effect.systemName(), SYM(L"glow"));
}

TEST(LevelBase, RenderRunsThePassesInOrder) {
  testing_support::FakeWindow window(320, 480);
  WindowSwap swap(&window);
  PassCanvas canvas;
  PassLevel level;
  canvas.log = &level.log;
  level.render(canvas);
  const std::vector<std::string> expected = {
      "camera",
      "background 2d through camera",
      "floors 2d through camera",
      "ground 2d through camera",
      "blocks 2d through camera",
      "objects 2d through camera",
      "gates 2d through camera",
      "screen 320x480",
      "overlay 2d in pixels",
  };
  EXPECT_EQ(level.log, expected);
  // The switch pushed for the level is popped again.
  EXPECT_FALSE(canvas.is2D());
  EXPECT_EQ(canvas.camera(), nullptr);
}
