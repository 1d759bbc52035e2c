// The media widgets find their assets by name in the data tree's database:
// a particle system (a placeholder for a name it does not hold), a copy of
// a shape, and a drop.

#include "framework/FrameworkTestSupport.h"

#include "framework/CorvaneDatabase.h"
#include "gui/DropWidget.h"
#include "gui/ParticleSystemWidget.h"
#include "gui/ShapeWidget.h"
#include "particle/Drop.h"
#include "particle/ParticleSystem.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "shape/Shape.h"
#include "shape/ShapeManager.h"
#include "support/NullCanvas.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct MediaAssets : FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    loadDataTree(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS |
                 CorvaneDatabase::LOAD_FONTS | CorvaneDatabase::LOAD_SHAPES |
                 CorvaneDatabase::LOAD_PARTICLE_SYSTEMS | CorvaneDatabase::LOAD_DROPS);
    database = corvaneDatabase();
  }
  // The widget loaded from a script text, the value kept while it reads.
  template <typename W> void load(W &widget, const wchar_t *text) {
    quip::ScriptManager scripts(Symbol::intern(L"mediaAssets"));
    quip::Token value = scripts.finish(scripts.spawn(quip::translate(String(text), String(L"t"))));
    ASSERT_TRUE(value.isDictionary());
    widget.load(value.dictionary());
  }

  CorvaneDatabase *database = nullptr;
};

} // namespace

TEST_F(MediaAssets, AParticleSystemIsMadeFromItsDefinitionAndAnimates) {
  GUI::ParticleSystemWidget widget;
  load(widget, L"( particleSystem: sparkRing: scale: [ 2 2 ] )");
  ASSERT_NE(widget.particleSystem(), nullptr);
  EXPECT_GT(widget.particleSystem()->emitterCount(), 0u);
  widget.touch();
  NullCanvas canvas;
  widget.update(0.1f);
  widget.draw(canvas);

  // A name the factory does not hold gives its placeholder, reported.
  testing::internal::CaptureStderr();
  load(widget, L"( particleSystem: nowhere: animate: false: )");
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(widget.particleSystem(), nullptr);
  EXPECT_NE(err.find("nowhere"), std::string::npos) << err;
  EXPECT_FALSE(widget.animate());
}

TEST_F(MediaAssets, AShapeWidgetScrollsItsOwnCopy) {
  GUI::ShapeWidget widget;
  load(widget, L"( shape: hexagon: scrollTexture: [ 0.5 0 ] )");
  ASSERT_NE(widget.shape(), nullptr);
  shape::Shape *stored = database->shapeManager().find(Symbol::intern(L"hexagon"));
  ASSERT_NE(stored, nullptr);
  EXPECT_NE(widget.shape(), stored);
  ASSERT_EQ(widget.shape()->vertexCount(), stored->vertexCount());
  float before = stored->uv(0).x;
  widget.update(0.1f);
  EXPECT_FLOAT_EQ(widget.shape()->uv(0).x, before + 0.5f);
  EXPECT_EQ(stored->uv(0).x, before);
  // A name without a shape leaves none.
  load(widget, L"( shape: nowhere: )");
  EXPECT_EQ(widget.shape(), nullptr);
}

TEST_F(MediaAssets, ADropIsMadeFromItsDefinitionAndAges) {
  GUI::DropWidget widget;
  load(widget, L"( drop: scoreFloat: )");
  ASSERT_NE(widget.drop(), nullptr);
  widget.update(0.25f);
  EXPECT_FLOAT_EQ(widget.drop()->age(), 0.25f);
  NullCanvas canvas;
  widget.draw(canvas);
}
