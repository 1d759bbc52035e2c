#include "GuiTestSupport.h"

#include "billboard/Billboard2D.h"
#include "file/BufferBinary.h"
#include "gui/Box.h"
#include "gui/Image.h"
#include "support/NullCanvas.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using framework::InputEvent;
using GUI::Box;
using GUI::Image;

namespace {

using ImageTest = GuiTest;

TEST_F(ImageTest, RecordWritesTheColourOnlyWhenTinted) {
  struct Case {
    const char *name;
    bool billboard;
    math::Color color;
  };
  const Case cases[] = {{"white", false, math::Color(1.0f, 1.0f, 1.0f, 1.0f)},
                        {"tinted", false, math::Color(1.0f, 0.5f, 1.0f, 1.0f)},
                        {"white with billboard", true, math::Color(1.0f, 1.0f, 1.0f, 1.0f)},
                        {"tinted with billboard", true, math::Color(0.0f, 0.0f, 0.0f, 0.5f)}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Image image;
    image.setColor(c.color);
    image.setSnapTranslation(true);
    file::BufferBinary billboardRecord;
    if (c.billboard) {
      auto *billboard = new Billboard2D;
      billboard->size = math::Vector2(8, 6);
      billboard->writeBinary(database, billboardRecord);
      image.setBillboard(billboard);
      EXPECT_EQ(image.localRectangle(), rect(-4, -3, 8, 6));
    }
    file::BufferBinary out;
    image.serialize(out);
    bool tinted = !(c.color == math::Color(1.0f, 1.0f, 1.0f, 1.0f));
    // Base record, hasBillboard, the billboard's record, flags, colour.
    EXPECT_EQ(out.tell(), 9u + 1u + billboardRecord.tell() + 1u + (tinted ? 16u : 0u));

    Image copy;
    copy.setBillboard(new Billboard2D);
    copy.setColor(math::Color(0.0f, 1.0f, 0.0f, 1.0f));
    out.seek(0);
    copy.deserialize(out);
    EXPECT_EQ(out.tell(), out.size());
    EXPECT_EQ(copy.billboard() != nullptr, c.billboard);
    EXPECT_TRUE(copy.color() == c.color);
    EXPECT_TRUE(copy.snapTranslation());
  }
}

TEST_F(ImageTest, WithoutABillboardItHasEmptyBoundsAndDrawsNothing) {
  Image image;
  EXPECT_EQ(image.localRectangle(), math::Rectangle());
  testing_support::NullCanvas canvas;
  image.draw(canvas);
  image.touch();
  EXPECT_EQ(canvas.colorStackSize(), 0u);
}

using BoxTest = GuiTest;

TEST_F(BoxTest, LocalRectangleIsTheSizeGrownByTheBorder) {
  struct Case {
    const wchar_t *settings;
    math::Rectangle expected;
  };
  const Case cases[] = {
      {L"( size: [ 100 40 ] )", rect(-50, -20, 100, 40)},
      {L"( size: [ 100 40 ] border: true: )", rect(-52, -22, 104, 44)},
      {L"( size: [ 100 40 ] border: true: borderWidth: 5 centered: false: )",
       rect(-5, -5, 110, 50)},
      {L"( size: [ 100 40 ] centered: false: )", rect(0, 0, 100, 40)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    Box box;
    box.load(dictionaryOf(c.settings));
    EXPECT_EQ(box.localRectangle(), c.expected);
  }
}

TEST_F(BoxTest, GradientFollowsColourAndNeedsFourColours) {
  Box box;
  box.load(dictionaryOf(L"( color: [ 1 0 0 1 ] gradient: [ [ 1 0 0 1 ] [ 0 1 0 1 ] [ 0 0 1 1 ] "
                        L"[ 0 0 0 1 ] ] blend: additive: )"));
  EXPECT_TRUE(box.useGradient());
  EXPECT_TRUE(box.gradient(2) == math::Color(0.0f, 0.0f, 1.0f, 1.0f));
  EXPECT_EQ(box.blend(), 3);
  box.load(dictionaryOf(L"( color: [ 0 1 0 1 ] )"));
  EXPECT_FALSE(box.useGradient());
  // Fewer than four colours, or a corner that is no colour: ignored.
  box.load(dictionaryOf(L"( gradient: [ [ 1 1 1 1 ] [ 0 0 0 1 ] [ 0 0 0 1 ] ] blend: glow: )"));
  box.load(dictionaryOf(L"( gradient: [ [ 1 1 1 1 ] [ 0 0 0 1 ] [ 0 0 0 1 ] 7 ] )"));
  EXPECT_FALSE(box.useGradient());
  EXPECT_TRUE(box.gradient(2) == math::Color(0.0f, 0.0f, 1.0f, 1.0f));
  EXPECT_EQ(box.blend(), 6);
}

TEST_F(BoxTest, ConsumesAPressItsReleaseAndTheMovesBetween) {
  GUI::Page *page = shownPage();
  auto *box = new Box;
  box->load(dictionaryOf(L"( size: [ 100 40 ] centered: false: consumeEvents: true: )"));
  page->addChild(box);
  box->callNativeMethod(Symbol::intern(L"applyLayout"));
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 10, 10)));
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 200, 200)));
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 200, 200)));
  EXPECT_FALSE(box->pressed());
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 10, 10)));
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 200, 200)));
  // A release on it without a press is still the box's.
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 10, 10)));

  box->setConsumeEvents(false);
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 10, 10)));
}

// Shadow, fill, then the frame as one strip inside the layout rectangle:
// light at the top and left rims when the border is up, dark when it is down.
TEST_F(BoxTest, DrawsShadowFillThenFrame) {
  for (bool up : {true, false}) {
    SCOPED_TRACE(up ? "up" : "down");
    Box box;
    box.load(dictionaryOf(L"( size: [ 100 40 ] centered: false: border: true: "
                          L"dropShadow: ( enabled: true: ) gradient: [ [ 1 0 0 1 ] [ 0 1 0 1 ] "
                          L"[ 0 0 1 1 ] [ 0 0 0 1 ] ] borderColorLight: [ 1 1 1 1 ] )"));
    box.setBorderUp(up);
    box.setLayoutRect(rect(0, 0, 104, 44));
    testing_support::RecordingCanvas canvas;
    box.draw(canvas);
    ASSERT_EQ(canvas.drawn.size(), 3u);
    const testing_support::DrawnPrimitive &shadow = canvas.drawn[0];
    EXPECT_EQ(shadow.placed(1).x, 4.0f);
    EXPECT_EQ(shadow.placed(1).y, -4.0f);
    EXPECT_EQ(shadow.color(0), math::PackedColor(0, 0, 0, 76));
    const testing_support::DrawnPrimitive &fill = canvas.drawn[1];
    EXPECT_EQ(fill.placed(1).x, 0.0f);
    EXPECT_EQ(fill.color(0), math::PackedColor(255, 0, 0, 255));
    EXPECT_EQ(fill.color(3), math::PackedColor(0, 0, 0, 255));
    const testing_support::DrawnPrimitive &frame = canvas.drawn[2];
    ASSERT_EQ(frame.vertexCount(), 16);
    // The top edge's outer and inner left corners.
    EXPECT_EQ(frame.placed(0).y, 44.0f);
    EXPECT_EQ(frame.placed(1).y, 42.0f);
    math::PackedColor light(255, 255, 255, 255), medium(191, 191, 191, 255), dark(51, 51, 51, 255);
    EXPECT_EQ(frame.color(0), up ? light : dark);
    EXPECT_EQ(frame.color(1), medium);
    // The outer bottom-right corner.
    EXPECT_EQ(frame.color(6), up ? dark : light);
  }
}

} // namespace
