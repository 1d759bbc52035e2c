#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "file/BufferBinary.h"
#include "gui/Label.h"
#include "gui/RichTextWidget.h"
#include "text/TextAnimation.h"

using namespace guitest;
using GUI::Label;
using GUI::RichTextWidget;

namespace {

class LabelTest : public GuiTest {
protected:
  TestFonts fonts{database};
};

TEST_F(LabelTest, KeysSetTheTextAndItsFormat) {
  Label label;
  label.load(dictionaryOf(L"( font: fontSystem: text: \"Hi!\" scale: [ 2 1 ] color: [ 1 0 0 1 ] "
                          L"alignment: [ 0 0 ] underline: 1.5 blend: additive: "
                          L"dropShadow: true: dropShadowPosition: [ 1 -1 ] renderText: false: )"));
  const text::TextFormat &format = label.text().format();
  EXPECT_EQ(format.font(), fonts.font(L"fontSystem"));
  EXPECT_EQ(format.scale.x, 2.0f);
  EXPECT_TRUE(format.color == math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_EQ(format.underline, 1.5f);
  EXPECT_EQ(format.blend, 3);
  EXPECT_TRUE(format.dropShadow);
  EXPECT_EQ(format.dropShadowPosition.y, -1.0f);
  EXPECT_FALSE(format.renderText);
  // Three glyphs of 8, scaled by 2 across, from the origin.
  EXPECT_EQ(label.localRectangle(), rect(0, 0, 48, 10));
  quip::Dictionary written;
  label.write(written);
  EXPECT_EQ(narrow(written.lookup(Symbol::intern(L"text"))->string()), "Hi!");

  label.load(dictionaryOf(L"( text: \"\" )"));
  EXPECT_EQ(label.localRectangle().width, 0.0f);
}

// Each action on a layout animation that has run 0.5 s: whether it then
// animates, and its time. Stopping stops it.
TEST_F(LabelTest, ActionsSteerTheLayoutAnimation) {
  struct Case {
    const wchar_t *action;
    bool animate;
    float time;
  };
  const Case cases[] = {
      {L"( method: startLayoutAnimation: )", true, 0.5f},
      {L"( method: restartLayoutAnimation: )", true, 0.0f},
      {L"( method: stopLayoutAnimation: )", false, 0.5f},
      {L"( method: setLayoutAnimationTime: animationTime: 2 )", true, 2.0f},
      {L"( method: spin: )", true, 0.5f},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.action)));
    Label label;
    label.load(dictionaryOf(L"( text: \"abc\" layout: ( animate: true: ) )"));
    label.update(0.5f);
    TextAnimation *animation = label.text().format().animation();
    ASSERT_NE(animation, nullptr);
    EXPECT_FLOAT_EQ(animation->animationTime, 0.5f);
    quip::Dictionary d;
    d.set(Symbol::intern(L"action"), quip::Token(dictionaryOf(c.action)));
    label.load(d);
    EXPECT_EQ(animation->animate, c.animate);
    EXPECT_FLOAT_EQ(animation->animationTime, c.time);
    // A stopped animation stays where it stopped.
    label.update(0.25f);
    EXPECT_FLOAT_EQ(animation->animationTime, c.time + (c.animate ? 0.25f : 0.0f));
  }
}

TEST_F(LabelTest, NoLayoutAnimationIgnoresActionsAndHiddenLabelsDoNotAdvance) {
  Label plain;
  plain.load(dictionaryOf(L"( action: ( method: stopLayoutAnimation: ) )"));
  EXPECT_TRUE(plain.callNativeMethod(Symbol::intern(L"restartLayoutAnimation")));
  EXPECT_FALSE(plain.callNativeMethod(Symbol::intern(L"spin")));

  Label label;
  label.load(dictionaryOf(L"( layout: ( animate: true: ) visible: false: )"));
  label.update(1.0f);
  EXPECT_EQ(label.text().format().animation()->animationTime, 0.0f);
}

TEST_F(LabelTest, RecordKeepsTheText) {
  Label label;
  label.load(dictionaryOf(L"( font: fontSystem: text: \"Score\" position: [ 3 4 ] )"));
  file::BufferBinary out;
  label.serialize(out);
  Label copy;
  out.seek(0);
  copy.deserialize(out);
  EXPECT_EQ(out.tell(), out.size());
  EXPECT_EQ(narrow(copy.text().text()), "Score");
  EXPECT_EQ(copy.text().format().font(), fonts.font(L"fontSystem"));
  EXPECT_EQ(copy.position().y, 4.0f);
}

using RichTextWidgetTest = LabelTest;

TEST_F(RichTextWidgetTest, AlignmentPlacesTheBoundsAndJustifyFallsBackToLeft) {
  RichTextWidget w;
  w.load(dictionaryOf(L"( text: \"abc\" width: 100 align: right: valign: bottom: )"));
  math::Rectangle r = w.localRectangle();
  EXPECT_GT(r.width, 0.0f);
  EXPECT_GT(r.height, 0.0f);
  EXPECT_LE(r.x + r.width, 0.0f);
  EXPECT_GE(r.y, 0.0f);
  w.load(dictionaryOf(L"( align: center: valign: center: justify: right: )"));
  EXPECT_FLOAT_EQ(w.localRectangle().x, -r.width / 2);
  EXPECT_FLOAT_EQ(w.localRectangle().y, -r.height / 2);
  EXPECT_EQ(w.richText().justification(), 2);
  // An unknown word: align keeps its value, justify falls back to left.
  w.load(dictionaryOf(L"( align: middle: valign: middle: justify: middle: )"));
  EXPECT_EQ(w.align(), RichTextWidget::CENTER);
  EXPECT_EQ(w.valign(), RichTextWidget::MIDDLE);
  EXPECT_EQ(w.richText().justification(), 0);
}

TEST_F(RichTextWidgetTest, HiddenWidgetDoesNotAdvanceItsReveal) {
  RichTextWidget w;
  w.load(dictionaryOf(L"( text: \"abc\" reveal: ( speed: 10 ) visible: false: )"));
  ASSERT_NE(w.richText().reveal(), nullptr);
  w.update(1.0f);
  EXPECT_EQ(w.richText().reveal()->time, 0.0f);
  w.setVisible(true);
  w.update(1.0f);
  EXPECT_GT(w.richText().reveal()->time, 0.0f);
}

TEST_F(RichTextWidgetTest, RecordKeepsAlignmentAndText) {
  RichTextWidget w;
  w.load(dictionaryOf(L"( text: \"a b c\" width: 50 align: right: valign: center: )"));
  file::BufferBinary out;
  w.serialize(out);
  // The flags byte follows the base record.
  EXPECT_EQ(out.data()[9], 2 | 32);
  RichTextWidget copy;
  out.seek(0);
  copy.deserialize(out);
  EXPECT_EQ(out.tell(), out.size());
  EXPECT_EQ(copy.align(), RichTextWidget::RIGHT);
  EXPECT_EQ(copy.valign(), RichTextWidget::MIDDLE);
  EXPECT_EQ(narrow(copy.richText().text()), "a b c");
  quip::Dictionary written;
  copy.write(written);
  EXPECT_EQ(narrow(written.lookup(Symbol::intern(L"text"))->string()), "a b c");
}

} // namespace
