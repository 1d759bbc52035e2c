// Text formats and formatted text: measuring, the style keys, the binary
// record, scaling to fit, and what is drawn for shadows, backgrounds and
// decorations; a missing font measures 0 and draws nothing.

#include "TextTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "quip/Token.h"
#include "text/FontFactory.h"
#include "text/FormattedText.h"
#include "text/TextAnimation.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// The database's fonts: "font" (a, b, o 10 wide, spacing 1), "narrow"
// (every glyph 3 wide) and "wide" (i 4 and W 16, spacing 2).
struct TextFormatTest : FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    CorvaneDatabase *database = corvaneDatabase();
    Texture *texture = whiteTexture(sym(L"boxes")).release();
    database->textureManager().addTexture(texture);
    FontFactory &fonts = database->fontFactory();
    fonts.insert(boxFont(texture, {{L'a', 10}, {L'b', 10}, {L'o', 10}}, 1.0f).release());
    fonts.insert(
        boxFont(texture, {{L'a', 3}, {L'b', 3}, {L'o', 3}}, 0.0f, sym(L"narrow")).release());
    fonts.insert(
        boxFont(texture, {{L'i', 4}, {L'W', 16}, {L'o', 10}}, 2.0f, sym(L"wide")).release());
  }
  Font *font(const wchar_t *name) { return corvaneDatabase()->fontFactory().font(sym(name)); }
};

} // namespace

TEST_F(TextFormatTest, TheDefaultFontIsTheOneNamedFont) {
  text::TextFormat format;
  EXPECT_EQ(format.font(), font(L"font"));
  EXPECT_FLOAT_EQ(format.stringWidth(L"a b"), 28.0f);
  EXPECT_FLOAT_EQ(format.height(), 10.0f);
  EXPECT_FLOAT_EQ(format.ascent(), 8.0f);
  format.scale = math::Vector2(2.0f, 0.5f);
  EXPECT_FLOAT_EQ(format.stringWidth(L"a b"), 56.0f);
  EXPECT_FLOAT_EQ(format.height(), 5.0f);
  EXPECT_FLOAT_EQ(format.charAdvance(L'a'), 20.0f);
  math::Rectangle box = format.bounds(L"a b", math::Vector2(100.0f, 50.0f));
  EXPECT_FLOAT_EQ(box.x, 100.0f - 28.0f);
  EXPECT_FLOAT_EQ(box.y, 50.0f - 2.5f);
  EXPECT_FLOAT_EQ(box.width, 56.0f);
  EXPECT_FLOAT_EQ(box.height, 5.0f);
}

TEST_F(TextFormatTest, FixedWidthMakesEveryThreeLettersAlike) {
  text::TextFormat format(font(L"wide"));
  format.fixedWidth = true;
  format.fixedAdvance = 8.0f;
  for (const wchar_t *text : {L"iii", L"WWW", L"iWi"})
    EXPECT_FLOAT_EQ(format.stringWidth(text), 24.0f + 2.0f * 2.0f) << text;
}

// A format without its font (an unlisted name, or no font "font" at all)
// measures 0, draws nothing, and the name is reported once.
TEST_F(TextFormatTest, AMissingFontMeasuresNothingAndIsReportedOnce) {
  text::TextFormat format;
  testing::internal::CaptureStderr();
  format.setFont(sym(L"unlisted"));
  text::TextFormat second;
  second.setFont(sym(L"unlisted"));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(format.font(), nullptr);
  size_t first = log.find("Font unlisted not found");
  EXPECT_NE(first, std::string::npos) << log;
  EXPECT_EQ(log.find("Font unlisted not found", first + 1), std::string::npos) << log;

  format.underline = 2.0f;
  format.dropShadow = true;
  EXPECT_EQ(format.stringWidth(L"abc"), 0.0f);
  EXPECT_EQ(format.height(), 0.0f);
  EXPECT_EQ(format.charAdvance(L'a'), 0.0f);
  TextCanvas canvas;
  format.draw(canvas, L"abc");
  EXPECT_TRUE(canvas.drawnQuads().empty());
  EXPECT_TRUE(canvas.drawn.empty());

  text::FormattedText label;
  quip::Dictionary keys;
  keys.set(sym(L"font"), quip::Token(sym(L"unlisted"), false));
  keys.set(sym(L"text"), quip::Token(L"abc"));
  label.read(corvaneDatabase(), keys);
  EXPECT_EQ(label.width(), 0.0f);
  label.render(canvas);
  EXPECT_TRUE(canvas.drawnQuads().empty());

  // A database without the font "font": the default format has none.
  corvaneDatabase()->fontFactory().remove(sym(L"font"));
  testing::internal::CaptureStderr();
  text::FormattedText plain;
  plain.setText(L"ab");
  EXPECT_EQ(plain.width(), 0.0f);
  text::FormattedText again;
  log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(plain.format().font(), nullptr);
  first = log.find("Font font not found");
  EXPECT_NE(first, std::string::npos) << log;
  EXPECT_EQ(log.find("Font font not found", first + 1), std::string::npos) << log;
}

TEST_F(TextFormatTest, ScalingToAWidth) {
  // "aaaaaaaaaaaaaaaaaa" is 18 x 10 + 17 = 197 wide; one more gives 208.
  struct Case {
    float maxWidth;
    bool uniform;
    float result, scaleX, scaleY;
  };
  text::FormattedText probe;
  probe.setText(String(L"aaaaaaaaaaaaaaaaaa"));
  float w = probe.width();
  const Case cases[] = {
      {w / 2.0f, false, 0.5f, 0.5f, 2.0f},
      {w / 2.0f, true, 0.5f, 0.5f, 0.5f},
      {w + 3.0f, false, w, 1.0f, 2.0f},
  };
  for (const Case &c : cases) {
    text::FormattedText text;
    text.setText(probe.text());
    text.format().scale = math::Vector2(1.0f, 2.0f);
    EXPECT_FLOAT_EQ(text.scaleToWidth(c.maxWidth, c.uniform), c.result);
    EXPECT_FLOAT_EQ(text.format().scale.x, c.scaleX);
    EXPECT_FLOAT_EQ(text.format().scale.y, c.scaleY);
  }
  text::FormattedText text;
  text.setText(L"a");
  text.scaleToHeight(5.0f, false);
  EXPECT_FLOAT_EQ(text.format().scale.y, 0.5f);
  EXPECT_FLOAT_EQ(text.format().scale.x, 1.0f);
  text.scaleToHeight(50.0f, true);
  EXPECT_FLOAT_EQ(text.format().scale.x, 1.0f);
  EXPECT_FLOAT_EQ(text.format().scale.y, 1.0f);
  EXPECT_EQ(text::FormattedText().width(), 0.0f);
}

TEST_F(TextFormatTest, TheStyleKeysAreRead) {
  quip::Dictionary keys;
  keys.set(sym(L"font"), quip::Token(sym(L"wide"), false));
  keys.set(sym(L"background"), quip::Token(sym(L"narrow"), false));
  keys.set(sym(L"alignment"), math::Vector2(0.0f, 1.0f).toToken());
  keys.set(sym(L"scale"), math::Vector2(2.0f, 3.0f).toToken());
  keys.set(sym(L"color"), math::Color(1.0f, 0.0f, 0.0f, 1.0f).toToken());
  quip::Dictionary layout;
  layout.set(sym(L"magnitude"), quip::Token(4.0f));
  keys.set(sym(L"layout"), quip::Token(layout));
  keys.set(sym(L"dropShadow"), quip::Token(quip::trueSymbol(), false));
  keys.set(sym(L"dropShadowPosition"), math::Vector2(1.0f, -1.0f).toToken());
  keys.set(sym(L"renderText"), quip::Token(quip::falseSymbol(), false));
  keys.set(sym(L"underline"), quip::Token(2.0f));
  keys.set(sym(L"strikeout"), quip::Token(1.5f));
  keys.set(sym(L"snapToPixel"), quip::Token(quip::falseSymbol(), false));
  keys.set(sym(L"blend"), quip::Token(sym(L"additive"), true));
  keys.set(sym(L"textureStyle"), quip::Token(sym(L"addColor"), true));
  keys.set(sym(L"fixedWidth"), quip::Token(8.0f));
  text::TextFormat format;
  format.read(corvaneDatabase(), keys);
  EXPECT_EQ(format.font(), font(L"wide"));
  EXPECT_EQ(format.background(), font(L"narrow"));
  EXPECT_FLOAT_EQ(format.alignment.y, 1.0f);
  EXPECT_FLOAT_EQ(format.scale.y, 3.0f);
  EXPECT_EQ(format.color, math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  ASSERT_NE(format.animation(), nullptr);
  EXPECT_FLOAT_EQ(format.animation()->magnitude, 4.0f);
  EXPECT_TRUE(format.dropShadow);
  EXPECT_FLOAT_EQ(format.dropShadowPosition.x, 1.0f);
  EXPECT_FALSE(format.renderText);
  EXPECT_FLOAT_EQ(format.underline, 2.0f);
  EXPECT_FLOAT_EQ(format.strikeout, 1.5f);
  EXPECT_FALSE(format.snapToPixel);
  EXPECT_EQ(format.blend, video::BLEND_ADDITIVE);
  EXPECT_EQ(format.textureStyle, video::textureStyle::ADD_COLOR);
  EXPECT_TRUE(format.fixedWidth);
  EXPECT_FLOAT_EQ(format.fixedAdvance, 8.0f);

  // A copy has its own animation.
  text::TextFormat copy = format;
  EXPECT_NE(copy.animation(), format.animation());
  EXPECT_FLOAT_EQ(copy.animation()->magnitude, 4.0f);
}

TEST_F(TextFormatTest, ADefaultFormatWritesItsFontAndTheFlagsItHasOn) {
  file::BufferBinary bytes;
  text::TextFormat().write(bytes);
  bytes.seek(0);
  Symbol name;
  uint32_t mask = 0;
  file::read(name, bytes);
  file::read(mask, bytes);
  EXPECT_EQ(name, sym(L"font"));
  EXPECT_EQ(mask, 0x4600u);
  EXPECT_EQ(bytes.bytesRemaining(), 0u);
}

TEST_F(TextFormatTest, TheBinaryRecordReadsBack) {
  text::TextFormat format(font(L"wide"));
  format.alignment = math::Vector2(0.0f, 0.25f);
  format.scale = math::Vector2(2.0f, 2.0f);
  format.color = math::Color(0.5f, 0.5f, 1.0f, 1.0f);
  format.setBackground(font(L"narrow"));
  format.backgroundPosition = math::Vector2(1.0f, 2.0f);
  format.backgroundColor = math::Color(0.0f, 0.0f, 0.0f, 0.5f);
  format.dropShadowPosition = math::Vector2(2.0f, -2.0f);
  format.dropShadowColor = math::Color(0.0f, 0.0f, 0.0f, 1.0f);
  format.dropShadow = true;
  format.renderText = false;
  format.visible = false;
  format.underline = 1.0f;
  format.underlineColor = math::Color(1.0f, 1.0f, 0.0f, 1.0f);
  format.strikeout = 3.0f;
  format.snapToPixel = false;
  format.blend = video::BLEND_ADDITIVE;
  format.textureStyle = video::textureStyle::ADD_COLOR;
  format.fixedWidth = true;
  format.fixedAdvance = 7.0f;
  file::BufferBinary bytes;
  format.write(bytes);
  bytes.seek(1 + 4 + 1); // "wide": its width byte, its characters, its end mark
  uint32_t mask = 0;
  file::read(mask, bytes);
  EXPECT_EQ(mask, 0x3b9ffu); // all but renderText, visible and snapToPixel

  bytes.seek(0);
  text::TextFormat read;
  ASSERT_TRUE(read.read(corvaneDatabase(), bytes));
  EXPECT_EQ(bytes.bytesRemaining(), 0u);
  file::BufferBinary again;
  read.write(again);
  ASSERT_EQ(again.size(), bytes.size());
  EXPECT_EQ(std::string((const char *)again.data(), again.size()),
            std::string((const char *)bytes.data(), bytes.size()));
  EXPECT_EQ(read.font(), font(L"wide"));
  EXPECT_EQ(read.background(), font(L"narrow"));

  // A cut record is refused.
  file::BufferBinary cut;
  cut.receiveBytes(bytes.data(), bytes.size() - 1);
  cut.seek(0);
  EXPECT_FALSE(read.read(corvaneDatabase(), cut));

  // The text first, then its format.
  text::FormattedText label(format);
  label.setText(L"iW");
  file::BufferBinary labelBytes;
  label.write(labelBytes);
  labelBytes.seek(0);
  text::FormattedText readLabel;
  ASSERT_TRUE(readLabel.read(corvaneDatabase(), labelBytes));
  EXPECT_EQ(readLabel.text(), String(L"iW"));
  EXPECT_FLOAT_EQ(readLabel.width(), label.width());
}

TEST_F(TextFormatTest, ShadowBackgroundAndTextDrawInTheirColoursAndPlaces) {
  text::TextFormat format;
  format.alignment = math::Vector2(0.0f, 0.0f);
  format.color = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  format.dropShadow = true;
  format.dropShadowPosition = math::Vector2(2.0f, -2.0f);
  format.dropShadowColor = math::Color(0.0f, 0.0f, 0.0f, 1.0f);
  format.setBackground(font(L"narrow"));
  format.backgroundColor = math::Color(0.0f, 0.0f, 1.0f, 1.0f);
  TextCanvas canvas;
  format.draw(canvas, L"ab");
  const std::vector<RecordedQuad> &quads = canvas.drawnQuads();
  ASSERT_EQ(quads.size(), 6u);
  // Shadow, background (the narrow glyphs at this font's advances), text.
  EXPECT_EQ(quads[0].color.r, 0);
  EXPECT_FLOAT_EQ(quads[0].left, 2.0f);
  EXPECT_FLOAT_EQ(quads[1].left, 13.0f);
  EXPECT_EQ(quads[2].color.b, 255);
  EXPECT_FLOAT_EQ(quads[3].left, 11.0f);
  EXPECT_FLOAT_EQ(quads[3].right, 14.0f);
  EXPECT_EQ(quads[4].color.r, 255);
  EXPECT_EQ(quads[4].color.b, 0);
  EXPECT_FLOAT_EQ(quads[4].left, 0.0f);
  // The left edge at the position and the baseline at its y.
  EXPECT_FLOAT_EQ(quads[4].bottom, -2.0f);
  EXPECT_EQ(canvas.colorStackSize(), 0u);

  // Anchored at the middle: half the width left, half the ascent down.
  format.dropShadow = false;
  format.setBackground(nullptr);
  format.alignment = math::Vector2(0.5f, 0.5f);
  canvas.recorder.quads.clear();
  format.draw(canvas, L"ab");
  ASSERT_EQ(canvas.drawnQuads().size(), 2u);
  // Snapped to whole pixels, an exact half going down.
  EXPECT_FLOAT_EQ(canvas.recorder.quads[0].left, -11.0f);
  EXPECT_FLOAT_EQ(canvas.recorder.quads[0].bottom, -4.0f - 2.0f);

  // Nothing at all while invisible or for an empty text.
  canvas.recorder.quads.clear();
  format.draw(canvas, L"");
  format.visible = false;
  format.draw(canvas, L"ab");
  EXPECT_TRUE(canvas.drawnQuads().empty());
}

TEST_F(TextFormatTest, UnderlineAndStrikeoutAreLinesUnderAndThroughTheText) {
  text::TextFormat format;
  format.alignment = math::Vector2(0.0f, 0.0f);
  format.underline = 2.0f;
  format.underlineColor = math::Color(0.0f, 1.0f, 0.0f, 1.0f);
  format.strikeout = 1.0f;
  format.scale = math::Vector2(2.0f, 1.0f);
  TextCanvas canvas;
  format.draw(canvas, L"ab");
  canvas.drawnQuads();
  ASSERT_EQ(canvas.drawn.size(), 2u);
  // A line from a to b of width w is a strip of four corners, w either side.
  const DrawnPrimitive &under = canvas.drawn[0];
  ASSERT_EQ(under.vertexCount(), 4);
  EXPECT_FLOAT_EQ(under.placed(0).y, -3.0f - 2.0f);
  EXPECT_FLOAT_EQ(under.placed(1).y, -3.0f + 2.0f);
  EXPECT_NEAR(under.placed(0).x, 0.0f, 1e-4f);
  // The unscaled width of the text.
  EXPECT_NEAR(under.placed(2).x, 21.0f, 1e-4f);
  EXPECT_EQ(under.color(0).g, 255);
  EXPECT_EQ(under.color(0).r, 0);
  const DrawnPrimitive &through = canvas.drawn[1];
  EXPECT_FLOAT_EQ(through.placed(0).y, 4.0f - 1.0f);
  EXPECT_EQ(through.color(0).r, 255);
}
