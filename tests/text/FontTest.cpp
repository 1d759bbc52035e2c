// Fonts measured and drawn with hand-made box glyphs: advances, spacing and
// the default advance, fixed widths, reveal, scale, snapping, background
// glyphs and per-character animation.

#include "TextTestSupport.h"

#include "animation/AnimationDefinition.h"
#include "math/Channel.h"
#include "math/FixedFrame.h"
#include "quip/Token.h"
#include "text/TextAnimation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_support;

namespace {

struct FontTest : testing::Test {
  std::unique_ptr<TextureSimple> texture = whiteTexture(Symbol::intern(L"boxes"));
  // a, b and o 10 wide, i 4, W 16; spacing 1.
  std::unique_ptr<Font> font =
      boxFont(texture.get(), {{L'a', 10}, {L'b', 10}, {L'o', 10}, {L'i', 4}, {L'W', 16}}, 1.0f);
  QuadRecordingCanvas canvas;

  std::vector<RecordedQuad> draw(const String &text, const math::Vector2 &at,
                                 const Font::DrawSettings &settings = Font::DrawSettings()) {
    canvas.quads.clear();
    font->drawString(canvas, text, at, settings);
    return canvas.drawn();
  }
};

} // namespace

TEST_F(FontTest, WidthsAreAdvancesAndSpacing) {
  struct Case {
    const wchar_t *text;
    float width;
  };
  const Case cases[] = {
      {L"", 0.0f},
      {L"a", 10.0f},
      // The blank has no glyph: 0.6 of the advance of "o".
      {L"a b", 10.0f + 1.0f + 6.0f + 1.0f + 10.0f},
      {L"iW", 4.0f + 1.0f + 16.0f},
      // Below 33 and past 288 there are no glyphs either.
      {L"\x10\x400", 6.0f + 1.0f + 6.0f},
  };
  for (const Case &c : cases)
    EXPECT_FLOAT_EQ(font->stringWidth(c.text), c.width) << String(c.text).length();
  EXPECT_EQ(font->glyphAdvance(L' '), -1.0f);
  EXPECT_EQ(font->glyphAdvance(289), -1.0f);
  EXPECT_FLOAT_EQ(font->defaultAdvance(), 6.0f);
}

TEST_F(FontTest, WithoutAnOItsMissingGlyphsMeasureNegative) {
  auto plain = boxFont(texture.get(), {{L'a', 10}}, 0.0f);
  EXPECT_FLOAT_EQ(plain->defaultAdvance(), -0.6f);
  EXPECT_FLOAT_EQ(plain->stringWidth(L"x"), -0.6f);
  EXPECT_FLOAT_EQ(plain->stringWidth(L"a x"), 10.0f - 1.2f);
}

TEST_F(FontTest, FixedWidthGivesEveryCharacterTheSameAdvance) {
  for (const wchar_t *text : {L"iii", L"WWW", L"a b", L"   "})
    EXPECT_FLOAT_EQ(font->stringWidth(text, true, 8.0f), 24.0f + 2.0f * 1.0f) << text;
  EXPECT_FLOAT_EQ(font->glyphAdvance(L'W', true, 8.0f), 8.0f);
}

TEST_F(FontTest, GlyphsStandOnTheBaselineAtTheirAdvances) {
  std::vector<RecordedQuad> quads = draw(L"a i", math::Vector2(5.0f, 20.0f));
  ASSERT_EQ(quads.size(), 2u); // the blank draws nothing
  EXPECT_FLOAT_EQ(quads[0].left, 5.0f);
  EXPECT_FLOAT_EQ(quads[0].right, 15.0f);
  EXPECT_FLOAT_EQ(quads[0].bottom, 18.0f); // the origin 2 above the glyph's bottom
  EXPECT_FLOAT_EQ(quads[0].top, 28.0f);
  EXPECT_FLOAT_EQ(quads[1].left, 5.0f + 10.0f + 1.0f + 6.0f + 1.0f);
  EXPECT_FLOAT_EQ(quads[1].right, quads[1].left + 4.0f);
  EXPECT_EQ(canvas.matrix(video::Canvas::MODEL).m[3], 0.0f); // the canvas is back
}

TEST_F(FontTest, ScaleAndSnappingMoveTheGlyphs) {
  Font::DrawSettings settings;
  settings.scale = math::Vector2(2.0f, 3.0f);
  std::vector<RecordedQuad> quads = draw(L"ab", math::Vector2(0.0f, 0.0f), settings);
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_FLOAT_EQ(quads[0].right, 20.0f);
  EXPECT_FLOAT_EQ(quads[0].top - quads[0].bottom, 30.0f);
  EXPECT_FLOAT_EQ(quads[1].left, 22.0f); // 2 x (10 + 1)
  // The glyph keeps its own scale afterwards.
  EXPECT_EQ(font->glyph(L'a')->initialScale.x, 1.0f);

  settings = Font::DrawSettings();
  settings.snapToPixel = true;
  canvas.translate(0.4f, 0.0f);
  quads = draw(L"a", math::Vector2(5.6f, 7.4f), settings);
  canvas.loadIdentity();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_FLOAT_EQ(quads[0].left, 6.0f);
  EXPECT_FLOAT_EQ(quads[0].bottom, 5.0f);
}

TEST_F(FontTest, RevealDrawsTheCharactersThatStartBeforeItsShare) {
  // Four characters 10 wide without spacing: 40 in all.
  auto tight = boxFont(texture.get(), {{L'a', 10}, {L'o', 10}}, 0.0f);
  struct Case {
    float reveal, scale;
    size_t drawn;
  };
  for (const Case &c : {Case{1.0f, 1.0f, 4}, Case{0.5f, 1.0f, 2}, Case{0.51f, 1.0f, 3},
                        Case{0.5f, 2.0f, 2}, Case{0.0f, 1.0f, 0}}) {
    Font::DrawSettings settings;
    settings.reveal = c.reveal;
    settings.scale = math::Vector2(c.scale, c.scale);
    canvas.quads.clear();
    tight->drawString(canvas, L"aaaa", math::Vector2(), settings);
    EXPECT_EQ(canvas.drawn().size(), c.drawn) << c.reveal << " x" << c.scale;
  }
}

TEST_F(FontTest, ABackgroundFontDrawsItsGlyphsAtThisFontsAdvances) {
  auto narrow = boxFont(texture.get(), {{L'a', 3}, {L'b', 3}}, 5.0f);
  Font::DrawSettings settings;
  settings.glyphFont = narrow.get();
  std::vector<RecordedQuad> quads = draw(L"ab", math::Vector2(), settings);
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_FLOAT_EQ(quads[0].right, 3.0f);
  EXPECT_FLOAT_EQ(quads[1].left, 11.0f); // 10 + this font's spacing 1
}

TEST_F(FontTest, AnAnimationMovesEachCharacterFromItsOwnTime) {
  auto *lift = new animation::AnimationDefinition;
  auto *channel = new math::Channel;
  channel->addFrame(new math::FixedFrame(0.0f, math::TWEEN_LINEAR, 0.0f));
  channel->addFrame(new math::FixedFrame(1.0f, math::TWEEN_LINEAR, 10.0f));
  lift->setChannel(animation::AnimationDefinition::TRANSLATION_Y, channel);
  TextAnimation animation;
  animation.setAnimation(lift);
  animation.characterDelay = 0.5f;
  animation.magnitude = 0.0f; // no wave
  animation.update(1.0f);

  Font::DrawSettings settings;
  settings.animation = &animation;
  std::vector<RecordedQuad> quads = draw(L"aaa", math::Vector2(), settings);
  ASSERT_EQ(quads.size(), 3u);
  // Character i is at time 1 - 0.5 i: lifted 10, 5 and 0.
  EXPECT_FLOAT_EQ(quads[0].bottom, -2.0f + 10.0f);
  EXPECT_FLOAT_EQ(quads[1].bottom, -2.0f + 5.0f);
  EXPECT_FLOAT_EQ(quads[2].bottom, -2.0f);

  animation.animate = false;
  animation.update(1.0f);
  EXPECT_FLOAT_EQ(animation.animationTime, 1.0f);
  TextAnimation copy = animation;
  EXPECT_NE(copy.animation(), animation.animation());
}

TEST_F(FontTest, TheWaveFollowsTheLine) {
  TextAnimation wave;
  wave.frequency = 0.5f;
  wave.magnitude = 2.0f;
  wave.offset = 0.25f;
  wave.slope = 0.1f;
  EXPECT_FLOAT_EQ(wave.waveOffset(3.0f), std::sin(0.25f + 1.5f) * 2.0f + 0.3f);
  wave.animationTime = 2.0f;
  wave.waveSpeed = 3.0f;
  EXPECT_FLOAT_EQ(wave.waveOffset(3.0f), std::sin(0.25f + 1.5f) * 2.0f + 0.3f);
  wave.animateWave = true;
  EXPECT_FLOAT_EQ(wave.waveOffset(3.0f), std::sin(6.0f + 0.25f + 1.5f) * 2.0f + 0.3f);

  quip::Dictionary d;
  d.set(Symbol::intern(L"animateWave"), quip::Token(quip::trueSymbol(), false));
  d.set(Symbol::intern(L"magnitude"), quip::Token(7.0f));
  quip::Dictionary lift;
  lift.set(Symbol::intern(L"initialRotation"), quip::Token(5.0f));
  d.set(Symbol::intern(L"animation"), quip::Token(lift));
  TextAnimation read;
  read.read(d);
  EXPECT_TRUE(read.animateWave);
  EXPECT_FLOAT_EQ(read.magnitude, 7.0f);
  ASSERT_NE(read.animation(), nullptr);
  EXPECT_FLOAT_EQ(read.animation()->initialRotation(), 5.0f);
}
