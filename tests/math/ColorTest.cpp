#include "file/BufferBinary.h"
#include "math/ColorBinary.h"
#include "math/ColorScript.h"
#include "math/GameColors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using math::Color;
using math::PackedColor;

namespace {

void expectColor(const Color &c, float r, float g, float b, float a, float eps = 1e-5f) {
  EXPECT_NEAR(c.r, r, eps);
  EXPECT_NEAR(c.g, g, eps);
  EXPECT_NEAR(c.b, b, eps);
  EXPECT_NEAR(c.a, a, eps);
}

} // namespace

TEST(Color, PackedTruncatesAndClamps) {
  struct Case {
    Color in;
    PackedColor out;
  } cases[] = {
      {Color(1.0f, 0.5f, 0.0f, -1.0f), PackedColor(255, 127, 0, 0)},
      {Color(1.2f, 0.999f, 0.0039f, 1.0f), PackedColor(255, 254, 0, 255)},
      {Color(2.0f, -0.5f, 1.0f, 0.0f), PackedColor(255, 0, 255, 0)},
      {Color(NAN, INFINITY, -INFINITY, 0.5f), PackedColor(0, 255, 0, 127)},
  };
  for (const Case &c : cases) {
    PackedColor p(c.in);
    EXPECT_EQ(p.r, c.out.r);
    EXPECT_EQ(p.g, c.out.g);
    EXPECT_EQ(p.b, c.out.b);
    EXPECT_EQ(p.a, c.out.a);
  }
}

TEST(Color, Constructors) {
  expectColor(Color(), 1, 1, 1, 1);
  expectColor(Color(PackedColor(255, 128, 0, 255)), 1, 0.50196f, 0, 1);
  expectColor(Color((unsigned char)0, 51, 102, 255), 0, 0.2f, 0.4f, 1);
  expectColor(Color(0xff8000u), 1, 0.50196f, 0, 1);
}

TEST(Color, ArithmeticDoesNotClampUntilAsked) {
  Color c;
  c += Color::white;
  expectColor(c, 2, 2, 2, 2);
  c.clamp();
  EXPECT_EQ(c, Color::white);

  Color d(0.5f, 0.25f, 1.0f, 0.5f);
  d.premultiplyAlpha();
  expectColor(d, 0.25f, 0.125f, 0.5f, 0.5f);
  d *= Color(2.0f, 2.0f, 2.0f, 2.0f);
  expectColor(d, 0.5f, 0.25f, 1.0f, 1.0f);

  EXPECT_EQ(Color::black.lerp(Color::white, 1.5f), Color::white);
  expectColor(Color::black.lerp(Color::white, 0.25f), 0.25f, 0.25f, 0.25f, 1);
  // Alpha is not part of the distance.
  EXPECT_FLOAT_EQ(Color(1.0f, 0.0f, 0.0f, 0.0f).distance(Color(0.0f, 0.0f, 0.0f, 1.0f)),
                  1.0f / 3.0f);
}

TEST(Color, NamedColors) {
  expectColor(Color::lightGray, 0.75f, 0.75f, 0.75f, 1);
  expectColor(Color::darkGray, 0.25f, 0.25f, 0.25f, 1);
  expectColor(Color::cyan, 0, 1, 1, 1);
  EXPECT_EQ(colorValue(2), Color::magenta);
  EXPECT_EQ(colorValue(5), Color::cyan);
  EXPECT_EQ(colorValue(6), Color::white);
  EXPECT_TRUE(colorName(5) == L"Teal");
  EXPECT_TRUE(colorName(6).isEmpty());
}

TEST(Color, TextForm) {
  EXPECT_TRUE(Color().toString() == L"1.00,1.00,1.00,1.00");
  EXPECT_TRUE(Color(0.3f, -1.0f, 0.5f, 0.0f).toString() == L"0.30,-1.00,0.50,0.00");
}

TEST(Color, SetHsvPrimariesAndWrap) {
  struct Case {
    float h;
    Color expected;
  } cases[] = {
      {0, Color::red},
      {120, Color::green},
      {240, Color::blue},
      {-60, Color::magenta},
      {60, Color::yellow},
      {180, Color::cyan},
      // The hue wrap keeps 360 itself; it is still red.
      {360, Color::red},
      {720 + 120, Color::green},
  };
  for (const Case &c : cases) {
    Color color = Color::black;
    color.setHSV(c.h, 1, 1);
    expectColor(color, c.expected.r, c.expected.g, c.expected.b, 1);
  }
  Color grey;
  grey.setHSV(200, 0, 0.4f);
  expectColor(grey, 0.4f, 0.4f, 0.4f, 1);
  // Saturation and value are clamped; alpha is kept.
  Color clamped(0.0f, 0.0f, 0.0f, 0.5f);
  clamped.setHSV(0, 3, -1);
  expectColor(clamped, 0, 0, 0, 0.5f);
}

TEST(Color, HsvRoundTrips) {
  const Color colors[] = {Color(0.2f, 0.4f, 0.6f, 1), Color(0.9f, 0.1f, 0.3f, 1),
                          Color(0.5f, 0.5f, 0.1f, 1), Color(0.05f, 0.8f, 0.75f, 1)};
  for (const Color &c : colors) {
    float h, s, v;
    c.getHSV(h, s, v);
    EXPECT_GE(h, 0.0f);
    EXPECT_LT(h, 360.0f);
    Color back = Color::fromHSV(h, s, v, 0.25f);
    expectColor(back, c.r, c.g, c.b, 0.25f);
  }
  float h, s, v;
  Color::black.getHSV(h, s, v);
  EXPECT_EQ(h, 0.0f);
  EXPECT_EQ(s, 0.0f);
  EXPECT_EQ(v, 0.0f);
}

TEST(Color, GreyHasHueZeroAndSettersStayFinite) {
  float h, s, v;
  math::rgbToHsv(0.5f, 0.5f, 0.5f, h, s, v);
  EXPECT_EQ(h, 0.0f);
  EXPECT_EQ(s, 0.0f);
  EXPECT_EQ(v, 0.5f);

  Color grey = Color::gray;
  grey.setSaturation(1.0f);
  expectColor(grey, 0.5f, 0, 0, 1);
  Color light = Color::lightGray;
  light.setValue(0.25f);
  expectColor(light, 0.25f, 0.25f, 0.25f, 1);
  Color white = Color::white;
  white.setHue(120.0f);
  expectColor(white, 1, 1, 1, 1);
}

TEST(Color, ScriptForm) {
  Color c(0.1f, 0.2f, 0.3f, 0.4f);
  quip::Token token = c.toToken();
  ASSERT_TRUE(token.isArray());
  EXPECT_FALSE(token.isExecutable());
  EXPECT_EQ(token.array().count(), 4u);
  Color back;
  EXPECT_TRUE(token.get(back));
  EXPECT_EQ(back, c);

  // A short array, a non-number element or another type leave the colour as it was.
  quip::Array *shortList = new quip::Array(3);
  for (unsigned i = 0; i < 3; ++i)
    shortList->set(quip::Token(0.0f), i);
  quip::Array *mixed = new quip::Array(4);
  for (unsigned i = 0; i < 4; ++i)
    mixed->set(i == 2 ? quip::Token(L"x") : quip::Token(0.0f), i);
  const quip::Token bad[] = {quip::Token(shortList, false), quip::Token(mixed, false),
                             quip::Token(1.0f), quip::Token()};
  for (const quip::Token &t : bad) {
    Color kept = c;
    EXPECT_FALSE(t.get(kept));
    EXPECT_EQ(kept, c);
  }

  quip::Dictionary dict;
  dict.set(SYM(L"tint"), quip::toToken(c));
  dict.set(SYM(L"wrong"), quip::Token(2.0f));
  Color found;
  EXPECT_TRUE(quip::lookupColor(dict, SYM(L"tint"), quip::TYPE_ARRAY, found));
  EXPECT_EQ(found, c);
  Color untouched = Color::red;
  EXPECT_FALSE(quip::lookupColor(dict, SYM(L"absent"), quip::TYPE_ARRAY, untouched));
  EXPECT_FALSE(quip::lookupColor(dict, SYM(L"wrong"), quip::TYPE_ARRAY, untouched));
  EXPECT_EQ(untouched, Color::red);
}

TEST(Color, BinaryForms) {
  file::BufferBinary buffer;
  file::write(Color(1.0f, 0.0f, 2.0f, 0.5f), buffer);
  file::write(PackedColor(1, 2, 3, 4), buffer);
  ASSERT_EQ(buffer.size(), 20u);
  const unsigned char one[] = {0x00, 0x00, 0x80, 0x3f};
  EXPECT_EQ(0, memcmp(buffer.data(), one, 4));
  EXPECT_EQ(buffer.data()[16], 1);
  EXPECT_EQ(buffer.data()[19], 4);
  buffer.seek(0);
  Color c;
  PackedColor p;
  file::read(c, buffer);
  file::read(p, buffer);
  EXPECT_EQ(c, Color(1.0f, 0.0f, 2.0f, 0.5f));
  EXPECT_EQ(p, PackedColor(1, 2, 3, 4));
}
