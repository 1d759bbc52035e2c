// Drops: their flight from start to target or round a centre, their end at
// the lifespan, their orientation and look, and the drop factory with the
// data tree's "drops" script.

#include "animation/SkeletonTestSupport.h"

#include "framework/CorvaneDatabase.h"
#include "particle/Drop.h"
#include "particle/DropDefinition.h"
#include "particle/DropFactory.h"
#include "particle/OscillatorDefinition.h"
#include "particle/ParticleSystem.h"
#include "quip/Builtin.h"
#include "quip/Interpreter.h"
#include "support/NullCanvas.h"
#include "text/FormattedText.h"
#include "video/DisplayHost.h"
#include "video/QuadBatch.h"
#include "video/RenderGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace skeletontest;

namespace {

struct Drops : SkeletonWorld {
  std::vector<std::unique_ptr<DropDefinition>> definitions;

  DropDefinition &define(const wchar_t *text) {
    definitions.push_back(std::make_unique<DropDefinition>());
    definitions.back()->read(database, dictionary(text));
    return *definitions.back();
  }
};

// The extent of what the quad batch holds: x0, y0, x1, y1.
std::vector<float> extent(const video::QuadBatch &batch) {
  int stride = batch.twoD() ? 2 : 3;
  std::vector<float> box = {1e9f, 1e9f, -1e9f, -1e9f};
  for (int i = 0; i < batch.vertexCount(); ++i) {
    float x = batch.positions()[i * stride], y = batch.positions()[i * stride + 1];
    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
  }
  return box;
}

} // namespace

TEST_F(Drops, ADropFliesFromStartToTarget) {
  struct Case {
    const wchar_t *definition;
    math::Vector2 start, target;
    int tween;
    bool finishAtLifespan;
    float age;
    math::Vector2 expected;
  };
  const Case cases[] = {
      // Held still for the delay, then linear over the rest of the lifespan.
      {L"(lifespan: 2 delay: 0.5)", {0, 0}, {100, 50}, Drop::TWEEN_LINEAR, true, 0.4f, {0, 0}},
      {L"(lifespan: 2 delay: 0.5)", {0, 0}, {100, 50}, Drop::TWEEN_LINEAR, true, 1.25f, {50, 25}},
      // A delay equal to the lifespan never moves, even past the lifespan.
      {L"(lifespan: 1 delay: 1)", {10, 10}, {100, 50}, Drop::TWEEN_LINEAR, false, 3.0f, {10, 10}},
      // Not clamped at the target when it lives on.
      {L"(lifespan: 1)", {0, 0}, {100, 0}, Drop::TWEEN_LINEAR, false, 2.0f, {200, 0}},
      {L"(lifespan: 1)", {0, 0}, {100, 0}, Drop::TWEEN_NONE, true, 0.5f, {0, 0}},
      {L"(lifespan: 1)", {0, 0}, {100, 0}, Drop::TWEEN_EASE_IN_OUT, true, 0.25f, {14.6447f, 0}},
      {L"(lifespan: 1)", {0, 0}, {100, 0}, Drop::TWEEN_EASE_IN, true, 0.5f, {29.2893f, 0}},
      {L"(lifespan: 1)", {0, 0}, {100, 0}, Drop::TWEEN_EASE_OUT, true, 0.5f, {70.7107f, 0}},
      // Orbiting the centre clockwise, 90 degrees a second.
      {L"(lifespan: 5 rotation: 90 center: [320 240])",
       {420, 240},
       {420, 240},
       Drop::TWEEN_LINEAR,
       true,
       1.0f,
       {320, 140}},
      {L"(lifespan: 5 rotation: 90 delay: 1)",
       {420, 240},
       {0, 0},
       Drop::TWEEN_LINEAR,
       true,
       3.0f,
       {220, 240}},
  };
  for (const Case &c : cases) {
    std::unique_ptr<Drop> drop(define(c.definition).instantiate(c.start));
    drop->target = c.target;
    drop->tween = c.tween;
    drop->finishAtLifespan = c.finishAtLifespan;
    // In steps, as frames come.
    for (int i = 0; i < 8; ++i)
      drop->update(c.age / 8);
    EXPECT_NEAR(drop->position.x, c.expected.x, 1e-3f)
        << std::wstring(c.definition) << " " << c.age;
    EXPECT_NEAR(drop->position.y, c.expected.y, 1e-3f)
        << std::wstring(c.definition) << " " << c.age;
    EXPECT_FALSE(drop->isFinished());
  }
}

TEST_F(Drops, ItsRenderGroupDeletesItAfterItsLifespan) {
  DropDefinition &brief = define(L"(lifespan: 2)");
  DropDefinition &lasting = define(L"(lifespan: -1)");
  video::RenderGroup group(sym(L"dropTest"));
  group.addRenderable(brief.instantiate(math::Vector2()));
  group.addRenderable(lasting.instantiate(math::Vector2()));
  for (int i = 0; i < 4; ++i)
    group.update(0.5f);
  // At age 2 exactly it still lives.
  EXPECT_EQ(group.size(), 2u);
  group.update(0.5f);
  ASSERT_EQ(group.size(), 1u);
  for (int i = 0; i < 100; ++i)
    group.update(0.5f);
  EXPECT_EQ(group.size(), 1u);
  // An inactive drop does not age.
  auto *held = static_cast<Drop *>(group.childAt(0));
  held->active = false;
  float age = held->age();
  group.update(0.5f);
  EXPECT_EQ(held->age(), age);
}

TEST_F(Drops, AlignedToItsFlightItTurnsOnlyForADirection) {
  DropDefinition &arrow =
      define(L"(lifespan: 1 alignToVelocity: true: billboard: (prototype: red: size: [20 4]))");
  struct Case {
    math::Vector2 target;
    float width, height;
  };
  // Up is the billboard's own direction; a flight to the right turns it.
  const Case cases[] = {{{50, 60}, 20, 4}, {{50, 160}, 20, 4}, {{150, 60}, 4, 20}};
  for (const Case &c : cases) {
    std::unique_ptr<Drop> drop(arrow.instantiate(math::Vector2(50, 60)));
    drop->target = c.target;
    testing_support::NullCanvas canvas;
    drop->render(canvas);
    std::vector<float> box = extent(canvas.quadBatch());
    EXPECT_NEAR(box[2] - box[0], c.width, 1e-3f) << c.target.x << "," << c.target.y;
    EXPECT_NEAR(box[3] - box[1], c.height, 1e-3f);
    EXPECT_NEAR((box[0] + box[2]) / 2, 50.0f, 1e-3f);
    EXPECT_NEAR((box[1] + box[3]) / 2, 60.0f, 1e-3f);
    EXPECT_EQ(canvas.currentMatrixStack().size(), 1u);
    EXPECT_TRUE(canvas.matrix(video::Canvas::MODEL) == math::Matrix4());
  }
}

TEST_F(Drops, AnimationOscillatorsAndColourShapeWhatItDraws) {
  // Doubled by a scale oscillator at rest, its red halved by another, moved
  // by the animation, and its green halved by the drop's colour.
  DropDefinition &look = define(L"(lifespan: 4 billboard: (prototype: red: size: [8 8])"
                                L" animation: (initialTranslation: [0 10]))");
  auto *scale = new OscillatorDefinition;
  scale->read(dictionary(L"(target: scale: initialValue: 2 frequency: 0)"));
  look.addOscillator(scale);
  auto *red = new OscillatorDefinition;
  red->read(dictionary(L"(target: r: initialValue: 0.5 frequency: 0)"));
  look.addOscillator(red);
  auto *gone = new OscillatorDefinition;
  gone->read(dictionary(L"(target: scale: initialValue: 10 lifespan: 0.5)"));
  look.addOscillator(gone);

  std::unique_ptr<Drop> drop(look.instantiate(math::Vector2(100, 100)));
  drop->color = math::Color(1.0f, 0.5f, 1.0f, 1.0f);
  drop->setAge(1.0f);
  testing_support::NullCanvas canvas;
  drop->render(canvas);
  const video::QuadBatch &batch = canvas.quadBatch();
  std::vector<float> box = extent(batch);
  EXPECT_NEAR(box[2] - box[0], 16.0f, 1e-3f);
  EXPECT_NEAR((box[1] + box[3]) / 2, 110.0f, 1e-3f);
  ASSERT_GT(batch.vertexCount(), 0);
  EXPECT_NEAR(batch.colors()[0], 128, 1);
  EXPECT_NEAR(batch.colors()[1], 128, 1);
  EXPECT_EQ(batch.colors()[2], 255);
  // Everything pushed was popped.
  EXPECT_EQ(canvas.colorStackSize(), 0u);
  EXPECT_EQ(canvas.currentMatrixStack().size(), 1u);
  EXPECT_TRUE(canvas.matrix(video::Canvas::MODEL) == math::Matrix4());
}

TEST_F(Drops, AnEmptyDefinitionDrawsNothingButMovesAndRunsItsScript) {
  static int fired = 0;
  fired = 0;
  quip::registerBuiltin(quip::frameworkManager(database)->builtins(), L"dropFired",
                        [](quip::Interpreter *, int *) { ++fired; });
  DropDefinition &quiet = define(L"(lifespan: 2 scriptChannel: (frames: ["
                                 L"(type: scriptFrame: time: 0.5 code: { dropFired })"
                                 L"(type: scriptFrame: time: 1.5 code: { dropFired })]))");
  std::unique_ptr<Drop> drop(quiet.instantiate(math::Vector2(0, 0)));
  drop->target = math::Vector2(10, 0);
  testing_support::NullCanvas canvas;
  for (int i = 0; i < 4; ++i) {
    drop->update(0.25f);
    drop->render(canvas);
  }
  EXPECT_EQ(canvas.quadBatch().vertexCount(), 0);
  EXPECT_NEAR(drop->position.x, 5.0f, 1e-4f);
  EXPECT_EQ(fired, 1);
  // Setting the age moves the script's clock along without firing.
  drop->setAge(1.75f);
  drop->update(0.1f);
  EXPECT_EQ(fired, 1);
}

TEST_F(Drops, ASecondDefinitionReplacesTheFirstWhichLivesOnForItsDrops) {
  DropFactory factory(database);
  factory.loadArray(evaluate(L"[(name: spark: lifespan: 3 billboard: (prototype: red:))]").array());
  DropDefinition *first = factory.find(sym(L"spark"));
  ASSERT_NE(first, nullptr);
  std::unique_ptr<Drop> drop(first->instantiate(math::Vector2()));
  factory.loadArray(evaluate(L"[(name: spark: lifespan: 1)]").array());
  EXPECT_NE(factory.find(sym(L"spark")), first);
  EXPECT_EQ(factory.find(sym(L"spark"))->lifespan, 1.0f);
  factory.remove(sym(L"spark"));
  EXPECT_FALSE(factory.contains(sym(L"spark")));
  // The old definitions are still whole (the sanitizer sees any use of a
  // deleted one).
  drop->update(0.5f);
  testing_support::NullCanvas canvas;
  drop->render(canvas);
  EXPECT_GT(canvas.quadBatch().vertexCount(), 0);
  EXPECT_EQ(drop->definition()->lifespan, 3.0f);
}

TEST_F(Drops, ScriptsThatAreNotDropListsAreSkipped) {
  DropFactory factory(database);
  folder.write("config/drops.!", "(name: notAList:)");
  testing::internal::CaptureStderr();
  factory.loadSource(folder.wide("config/drops.!"));
  factory.loadArray(evaluate(L"[(lifespan: 1) 42 (name: kept:)]").array());
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Drops: no array in"), std::string::npos) << log;
  EXPECT_NE(log.find("a definition without a name is skipped"), std::string::npos) << log;
  EXPECT_NE(log.find("an element that is not a dictionary is skipped"), std::string::npos) << log;
  EXPECT_EQ(factory.count(), 1u);
  EXPECT_TRUE(factory.contains(sym(L"kept")));
  EXPECT_EQ(factory.findNames(String(L"KE")).size(), 1u);
}

using DataDrops = testing_support::FrameworkTest;

TEST_F(DataDrops, TheDataTreesDropsLoadAtTheirStep) {
  CorvaneDatabase *database = corvaneDatabase();
  database->setPath(String(CORVANE_SOURCE_DIR) + L"/data");
  const uint32_t mask = CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS |
                        CorvaneDatabase::LOAD_FONTS | CorvaneDatabase::LOAD_PARTICLE_SYSTEMS |
                        CorvaneDatabase::LOAD_DROPS;
  testing::internal::CaptureStderr();
  database->beginLoad();
  for (int step = 0; step < 8; ++step)
    database->loadDatabase(mask);
  EXPECT_EQ(database->dropFactory().count(), 0u);
  database->loadDatabase(mask);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Loaded quip: " + std::string(CORVANE_SOURCE_DIR) + "/data/config/drops.!"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  EXPECT_EQ(log.find("not found"), std::string::npos) << log;

  DropFactory &factory = database->dropFactory();
  ASSERT_EQ(factory.count(), 2u);
  DropDefinition *score = factory.find(sym(L"scoreFloat"));
  ASSERT_NE(score, nullptr);
  ASSERT_NE(score->formattedText(), nullptr);
  EXPECT_EQ(score->formattedText()->text(), String(L"100"));
  EXPECT_NE(score->animation(), nullptr);
  ASSERT_EQ(score->oscillators().size(), 1u);
  EXPECT_EQ(score->oscillators()[0]->target, OscillatorDefinition::SCALE);
  EXPECT_EQ(score->oscillators()[0]->lifespan, 1.5f);
  DropDefinition *sparkle = factory.find(sym(L"orbitSparkle"));
  ASSERT_NE(sparkle, nullptr);
  EXPECT_NE(sparkle->billboard(), nullptr);
  EXPECT_NE(sparkle->particleSystem, nullptr);
  EXPECT_EQ(sparkle->rotation, 180.0f);

  // The sparkle circles with its sparks; its own copy of nothing else.
  std::unique_ptr<Drop> drop(sparkle->instantiate(math::Vector2(160, 340)));
  ASSERT_NE(drop->particleSystem(), nullptr);
  for (int i = 0; i < 30; ++i)
    drop->update(1.0f / 30);
  EXPECT_NEAR(drop->position.x, 160.0f, 1e-3f);
  EXPECT_NEAR(drop->position.y, 140.0f, 1e-3f);
  EXPECT_NEAR(drop->particleSystem()->getPosition2D().y, 140.0f, 1e-3f);
  std::unique_ptr<Drop> text(score->instantiate(math::Vector2()));
  ASSERT_NE(text->text(), nullptr);
  EXPECT_NE(text->text(), score->formattedText());
}

TEST_F(Drops, InWorldSpaceItsPointGoesThroughTheViewTransform) {
  // A view that doubles x and lifts by 10.
  struct View : video::DisplayHost {
    math::Vector2 worldToScreen(const math::Vector2 &p) override {
      return math::Vector2(2 * p.x, p.y + 10);
    }
  } view;
  video::DisplayHost &previous = video::DisplayHost::instance();
  video::DisplayHost::setInstance(&view);
  DropDefinition &marker = define(L"(lifespan: 2 billboard: (prototype: red: size: [4 4]))");
  std::unique_ptr<Drop> drop(marker.instantiate(math::Vector2(30, 40)));
  drop->inWorldSpace = true;
  drop->target = math::Vector2(50, 40);
  drop->update(1.0f);
  testing_support::NullCanvas canvas;
  drop->render(canvas);
  video::DisplayHost::setInstance(&previous);
  EXPECT_EQ(drop->position.x, 40.0f);
  std::vector<float> box = extent(canvas.quadBatch());
  EXPECT_NEAR((box[0] + box[2]) / 2, 80.0f, 1e-3f);
  EXPECT_NEAR((box[1] + box[3]) / 2, 50.0f, 1e-3f);
}
