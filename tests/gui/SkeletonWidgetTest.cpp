// The skeleton widget: posed at its clock plus offset, turned, scaled and
// tinted when drawn; hit where the drawn skeleton shows; its saved record.

#include "animation/SkeletonTestSupport.h"
#include "support/FakeWindow.h"
#include "text/TextTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "gui/SkeletonWidget.h"
#include "gui/WidgetMakers.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skeletontest;

namespace {

// A red 8-pixel dot that slides 10 units to the right per second for ten
// seconds.
const wchar_t *Slider = L"(name: slider: root: (name: dot:"
                        L" animation: (channels: (translationX: (frames:"
                        L"  [(time: 0 value: 0) (time: 10 value: 100)])))"
                        L" billboardChannel: (billboard: (prototype: red:))))";

struct SkeletonWidgetTest : SkeletonWorld {
  void SetUp() override {
    SkeletonWorld::SetUp();
    saveOwnFile(Slider, "slider");
  }

  // The centre of every quad the widget draws, in screen space.
  std::vector<math::Vector2> drawnCentres(GUI::SkeletonWidget &widget) {
    testing_support::QuadRecordingCanvas canvas;
    canvas.pushMatrix();
    canvas.translate(widget.position());
    widget.draw(canvas);
    canvas.popMatrix();
    canvas.flush();
    std::vector<math::Vector2> centres;
    for (const testing_support::RecordedQuad &q : canvas.quads)
      centres.emplace_back((q.left + q.right) / 2, (q.bottom + q.top) / 2);
    return centres;
  }

  // The script value stays alive while the widget reads it.
  static void load(GUI::SkeletonWidget &widget, const wchar_t *text) {
    quip::Token value = evaluate(text);
    ASSERT_TRUE(value.isDictionary());
    widget.load(value.dictionary());
  }

  testing_support::FakeWindow window{320, 480};
  testing_support::WindowSwap swap{&window};
};

} // namespace

TEST_F(SkeletonWidgetTest, WithoutASkeletonItDrawsNothingHasNoBoundsAndIsNeverHit) {
  GUI::SkeletonWidget widget;
  widget.setPosition(math::Vector2(100, 100));
  EXPECT_FALSE(widget.hasSkeleton());
  EXPECT_TRUE(drawnCentres(widget).empty());
  EXPECT_TRUE(widget.localRectangle() == math::Rectangle());
  EXPECT_FALSE(widget.containsPoint(math::Vector2(100, 100)));
  // A hit area still decides on its own.
  widget.setHitArea(new math::Rectangle(10, 10, true));
  EXPECT_TRUE(widget.containsPoint(math::Vector2(100, 100)));
}

// Drawing and hit tests pose the skeleton at the same age, and take the
// point through the same turn and scale the drawing applies.
TEST_F(SkeletonWidgetTest, ItIsHitWhereItIsDrawn) {
  struct Case {
    const char *what;
    float time, offset;
    bool animate;
    math::Vector2 scale;
    float rotation;
    math::Vector2 drawn; // relative to the widget
  };
  const Case cases[] = {
      {"at rest", 0, 0, false, {1, 1}, 0, {0, 0}},
      {"paused, posed at its offset", 0, 3, false, {1, 1}, 0, {30, 0}},
      {"clock plus offset", 2, 1, true, {1, 1}, 0, {30, 0}},
      {"a paused clock still counts", 2, 1, false, {1, 1}, 0, {30, 0}},
      {"scaled", 2, 1, true, {2, 1}, 0, {60, 0}},
      {"turned a quarter clockwise", 2, 1, true, {1, 1}, 90, {0, -30}},
      {"scaled, then turned", 2, 1, true, {2, 1}, 90, {0, -60}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    GUI::SkeletonWidget widget;
    widget.setPosition(math::Vector2(150, 200));
    widget.setSkeleton(sym(L"slider"));
    widget.setAnimate(c.animate);
    widget.setAnimationTime(c.time);
    widget.setAnimationOffset(c.offset);
    widget.setScale(c.scale);
    widget.setRotation(c.rotation);

    std::vector<math::Vector2> centres = drawnCentres(widget);
    ASSERT_EQ(centres.size(), 1u);
    EXPECT_NEAR(centres[0].x, 150 + c.drawn.x, 1e-3);
    EXPECT_NEAR(centres[0].y, 200 + c.drawn.y, 1e-3);
    EXPECT_TRUE(widget.containsPoint(centres[0]));
    // Where the dot stood at rest is empty unless it is still there.
    bool moved = c.drawn.x != 0 || c.drawn.y != 0;
    EXPECT_EQ(widget.containsPoint(math::Vector2(150, 200)), !moved);
  }
}

TEST_F(SkeletonWidgetTest, OnlyAVisibleAnimatedWidgetAdvancesAndSettingsRestartTheClock) {
  GUI::SkeletonWidget widget;
  widget.setSkeleton(sym(L"slider"));
  widget.update(1.0f);
  EXPECT_EQ(widget.animationTime(), 0.0f);
  widget.setAnimate(true);
  widget.update(0.5f);
  widget.update(0.25f);
  EXPECT_EQ(widget.animationTime(), 0.75f);
  widget.setVisible(false);
  widget.update(1.0f);
  EXPECT_EQ(widget.animationTime(), 0.75f);
  widget.setVisible(true);

  // The same name keeps the clock; another name or the animate switch
  // restarts it.
  widget.setSkeleton(sym(L"slider"));
  EXPECT_EQ(widget.animationTime(), 0.75f);
  widget.setAnimate(true);
  EXPECT_EQ(widget.animationTime(), 0.0f);
  widget.update(1.0f);
  widget.setSkeleton(sym(L"other"));
  EXPECT_EQ(widget.animationTime(), 0.0f);
}

TEST_F(SkeletonWidgetTest, ADefaultWidgetWritesItsNameAndAZeroFlagsByte) {
  GUI::Widget plain;
  file::BufferBinary base;
  plain.serialize(base);
  file::write(Symbol::emptySymbol(), base);
  file::write(uint8_t(0), base);

  GUI::SkeletonWidget widget;
  file::BufferBinary out;
  widget.serialize(out);
  ASSERT_EQ(out.size(), base.size());
  EXPECT_TRUE(std::equal(out.data(), out.data() + out.size(), base.data()));
}

TEST_F(SkeletonWidgetTest, EachSetFieldAddsItsFlagAndReadsBack) {
  struct Case {
    const char *what;
    void (*set)(GUI::SkeletonWidget &);
    uint8_t flags;
    uint32_t extraBytes;
  };
  const Case cases[] = {
      {"animate", [](GUI::SkeletonWidget &w) { w.setAnimate(true); }, 1, 0},
      {"time", [](GUI::SkeletonWidget &w) { w.setAnimationTime(1.5f); }, 2, 4},
      {"offset", [](GUI::SkeletonWidget &w) { w.setAnimationOffset(-2); }, 4, 4},
      {"scale", [](GUI::SkeletonWidget &w) { w.setScale(math::Vector2(1, 3)); }, 8, 8},
      {"rotation", [](GUI::SkeletonWidget &w) { w.setRotation(45); }, 16, 4},
      {"colour", [](GUI::SkeletonWidget &w) { w.setColor(math::Color(1.0f, 0.5f, 1.0f, 1.0f)); },
       32, 16},
  };
  GUI::SkeletonWidget plain;
  plain.setSkeleton(sym(L"slider"));
  file::BufferBinary plainOut;
  plain.serialize(plainOut);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    GUI::SkeletonWidget widget;
    widget.setSkeleton(sym(L"slider"));
    c.set(widget);
    file::BufferBinary out;
    widget.serialize(out);
    ASSERT_EQ(out.size(), plainOut.size() + c.extraBytes);
    EXPECT_EQ(out.data()[plainOut.size() - 1], c.flags);

    // Read over a widget whose every field differs: absent fields come
    // back as their initial values.
    GUI::SkeletonWidget back;
    back.setAnimate(true);
    back.setAnimationTime(9);
    back.setAnimationOffset(9);
    back.setScale(math::Vector2(9, 9));
    back.setRotation(9);
    back.setColor(math::Color(0.0f, 0.0f, 0.0f, 0.0f));
    out.seek(0);
    back.deserialize(out);
    EXPECT_EQ(out.bytesRemaining(), 0u);
    EXPECT_EQ(back.skeletonName(), sym(L"slider"));
    EXPECT_EQ(back.animate(), widget.animate());
    EXPECT_EQ(back.animationTime(), widget.animationTime());
    EXPECT_EQ(back.animationOffset(), widget.animationOffset());
    EXPECT_EQ(back.scale().x, widget.scale().x);
    EXPECT_EQ(back.scale().y, widget.scale().y);
    EXPECT_EQ(back.rotation(), widget.rotation());
    EXPECT_TRUE(back.color() == widget.color());
  }
}

TEST_F(SkeletonWidgetTest, ItsKeysAndTheRandomTimeAction) {
  GUI::SkeletonWidget widget;
  load(widget, L"(skeleton: slider: animate: true: animationTime: 2"
               L" animationOffset: 0.5 scale: [2 3] rotation: 30"
               L" color: [1 0 0 0.5])");
  EXPECT_EQ(widget.skeletonName(), sym(L"slider"));
  EXPECT_TRUE(widget.animate());
  EXPECT_EQ(widget.animationTime(), 2.0f);
  EXPECT_EQ(widget.animationOffset(), 0.5f);
  EXPECT_EQ(widget.scale().y, 3.0f);
  EXPECT_EQ(widget.rotation(), 30.0f);
  EXPECT_EQ(widget.color().a, 0.5f);

  // The random time lies within the skeleton's ten seconds.
  for (int i = 0; i < 20; ++i) {
    load(widget, L"(action: (method: selectRandomAnimationTime:))");
    EXPECT_GE(widget.animationTime(), 0.0f);
    EXPECT_LE(widget.animationTime(), 10.0f);
  }
  // Another method, or no skeleton, leaves the clock.
  widget.setAnimationTime(4);
  load(widget, L"(action: (method: somethingElse:))");
  EXPECT_EQ(widget.animationTime(), 4.0f);
  GUI::SkeletonWidget empty;
  empty.setAnimationTime(4);
  load(empty, L"(action: (method: selectRandomAnimationTime:))");
  EXPECT_EQ(empty.animationTime(), 4.0f);
}

// The makers place the widget, name its skeleton and set it playing; the
// fitted one stands at the screen's centre, scaled by the skeleton's bounds
// hint against the 320 x 480 screen.
TEST_F(SkeletonWidgetTest, MakersPlaceAndFitTheWidget) {
  saveOwnFile(L"(name: wide: boundsHint: [ -320 -60 640 120 ] root: (name: n:))", "wide");
  GUI::Widget parent;
  GUI::SkeletonWidget *placed = GUI::addSkeleton(&parent, 10, 20, sym(L"slider"), true);
  ASSERT_EQ(parent.children().size(), 1u);
  EXPECT_EQ(placed->position().x, 10);
  EXPECT_EQ(placed->position().y, 20);
  EXPECT_EQ(placed->skeletonName(), sym(L"slider"));
  EXPECT_TRUE(placed->animate());

  struct Case {
    int mode;
    float scale;
  };
  // Width ratio 0.5, height ratio 4: cover, fit, fit without enlarging.
  for (Case c : {Case{0, 4.0f}, Case{1, 0.5f}, Case{2, 0.5f}}) {
    GUI::SkeletonWidget *fitted = GUI::addSkeletonFitted(&parent, sym(L"wide"), false, c.mode);
    EXPECT_EQ(fitted->position().x, 160);
    EXPECT_EQ(fitted->position().y, 240);
    EXPECT_FALSE(fitted->animate());
    EXPECT_FLOAT_EQ(fitted->scale().x, c.scale) << "mode " << c.mode;
    EXPECT_FLOAT_EQ(fitted->scale().y, c.scale) << "mode " << c.mode;
  }
}
