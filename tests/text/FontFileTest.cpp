// Fonts read from a database's "fonts" script and its glyph files, and the
// binary record; the faults of a glyph table entry or a font without glyphs.

#include "TextTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "text/FontFactory.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// A 64-pixel texture "glyphs" and a glyph file of three entries; the fonts
// script is given by each test.
struct FontFiles : FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    database = corvaneDatabase();
    database->textureManager().addTexture(whiteTexture(sym(L"glyphs")).release());
    folder.write("config/glyphs.!", R"([
  (character: "A" billboard: (texture: glyphs: subRect: [0 12 0 16] size: [12 16]
                              centered: false: center: [0 0]))
  % Only its first letter counts.
  (character: "Bx" billboard: (texture: glyphs: subRect: [12 22 0 20] size: [10 20]
                               centered: false: center: [1 2]))
  % A blank and a tab have no place in the table.
  (character: " " billboard: (texture: glyphs:))
  (character: "\t" billboard: (texture: glyphs:))
])");
  }
  FontFactory &fonts() { return database->fontFactory(); }
  // Loads the fonts script; what standard error received.
  std::string load(const std::string &script) {
    folder.write("config/fonts.!", script);
    testing::internal::CaptureStderr();
    fonts().loadSource(folder.wide("config/fonts.!"));
    return testing::internal::GetCapturedStderr();
  }

  CorvaneDatabase *database = nullptr;
};

} // namespace

TEST_F(FontFiles, AFontReadsItsGlyphFile) {
  std::string log = load(R"([(name: font: file: "config/glyphs.!" spacing: 2 baseline: 3
                              scale: [2 1])])");
  Font *font = fonts().font(sym(L"font"));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(fonts().defaultFont(), font);
  EXPECT_EQ(font->glyphCount(), 2u);
  ASSERT_NE(font->glyph(L'A'), nullptr);
  ASSERT_NE(font->glyph(L'B'), nullptr);
  EXPECT_EQ(font->glyph(L'x'), nullptr);
  // The glyph's origin takes the baseline; the font's scale is every glyph's.
  EXPECT_FLOAT_EQ(font->glyph(L'B')->storedOrigin.y, 2.0f + 3.0f);
  EXPECT_FLOAT_EQ(font->glyph(L'B')->initialScale.x, 2.0f);
  EXPECT_FLOAT_EQ(font->glyphAdvance(L'A'), 24.0f);
  EXPECT_FALSE(font->glyph(L'A')->centered);
  // The tallest glyph by its texture rows, times the y scale.
  EXPECT_FLOAT_EQ(font->height(), 20.0f);
  EXPECT_FLOAT_EQ(font->ascent(), 17.0f);
  EXPECT_FLOAT_EQ(font->strikeoutHeight(), 8.5f);
  EXPECT_FLOAT_EQ(font->spacing(), 2.0f);
  // The two refused entries, each with a warning.
  EXPECT_NE(log.find("glyph of character 32 ignored"), std::string::npos) << log;
  EXPECT_NE(log.find("glyph of character 9 ignored"), std::string::npos) << log;
}

TEST_F(FontFiles, GivenMetricsWinAndUnlistedNamesGiveNoFont) {
  load(R"([(name: small: file: "config/glyphs.!" ascent: 9 strikeoutHeight: 1)
           (name: big: file: "config/glyphs.!")])");
  EXPECT_FLOAT_EQ(fonts().font(sym(L"small"))->ascent(), 9.0f);
  EXPECT_FLOAT_EQ(fonts().font(sym(L"small"))->strikeoutHeight(), 1.0f);
  EXPECT_EQ(fonts().count(), 2u);
  EXPECT_EQ(fonts().defaultFont(), nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(fonts().font(sym(L"missing")), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  container::Vector<Symbol> names = fonts().findNames(String());
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], sym(L"big"));
  names = fonts().findNames(String(L"sm"));
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], sym(L"small"));
  EXPECT_TRUE(fonts().remove(sym(L"big")));
  EXPECT_FALSE(fonts().contains(sym(L"big")));
}

TEST_F(FontFiles, AFontWithoutGlyphsIsReported) {
  struct Case {
    const char *script, *message;
  };
  const Case cases[] = {
      {R"([(name: font: spacing: 1)])", "no glyph \"file\""},
      {R"([(name: font: file: "config/none.!")])", "gives no list"},
      {R"([(name: font: file: 5)])", "no glyph \"file\""},
  };
  for (const Case &c : cases) {
    std::string log = load(c.script);
    EXPECT_NE(log.find("WARNING"), std::string::npos) << log;
    EXPECT_NE(log.find(c.message), std::string::npos) << log;
    Font *font = fonts().font(sym(L"font"));
    ASSERT_NE(font, nullptr) << c.script;
    EXPECT_EQ(font->glyphCount(), 0u);
  }
  std::string log = load("5");
  EXPECT_NE(log.find("Fonts: no list in"), std::string::npos) << log;
  EXPECT_EQ(fonts().count(), 0u);
}

TEST_F(FontFiles, TheBinaryRecordReadsBack) {
  load(R"([(name: font: file: "config/glyphs.!" spacing: 2 baseline: 3 scale: [2 1])
           (name: other: file: "config/glyphs.!" ascent: 4)])");
  file::BufferBinary bytes;
  fonts().writeBinary(bytes);
  FontFactory copy(database);
  bytes.seek(0);
  ASSERT_TRUE(copy.loadBinary(bytes));
  ASSERT_EQ(copy.count(), 2u);
  for (const wchar_t *name : {L"font", L"other"}) {
    Font *a = fonts().font(sym(name)), *b = copy.font(sym(name));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->spacing(), a->spacing());
    EXPECT_EQ(b->baseline(), a->baseline());
    EXPECT_EQ(b->ascent(), a->ascent());
    EXPECT_EQ(b->strikeoutHeight(), a->strikeoutHeight());
    EXPECT_EQ(b->height(), 20.0f); // from the texture rows; the scale is not stored
    for (wchar_t c : {L'A', L'B'}) {
      const Billboard2D &x = *a->glyph(c), &y = *b->glyph(c);
      EXPECT_EQ(y.texture(), x.texture());
      EXPECT_EQ(y.size.x, x.size.x);
      EXPECT_EQ(y.initialScale.x, x.initialScale.x);
      EXPECT_EQ(y.storedOrigin.y, x.storedOrigin.y);
      for (int i = 0; i < 4; ++i)
        EXPECT_EQ(y.texCoords[i].y, x.texCoords[i].y);
      EXPECT_FALSE(y.centered);
    }
  }

  // A glyph record of a character past 288 is refused with a warning.
  file::BufferBinary odd;
  file::write(sym(L"odd"), odd);
  for (float metric : {0.0f, 0.0f, 5.0f, 2.0f})
    file::write(metric, odd);
  file::write(uint8_t(1), odd);
  file::write(sym(L"glyphs"), odd);
  file::write(uint16_t(2), odd);
  for (uint16_t code : {uint16_t(1024), uint16_t(L'A')}) {
    file::write(code, odd);
    for (float value : {0.0f, 0.5f, 0.0f, 0.25f, 8.0f, 16.0f, 1.0f, 1.0f, 0.0f, 0.0f})
      file::write(value, odd);
  }
  odd.seek(0);
  Font font;
  testing::internal::CaptureStderr();
  EXPECT_TRUE(font.readBinary(database, odd));
  std::string warning = testing::internal::GetCapturedStderr();
  EXPECT_NE(warning.find("glyph of character 1024 ignored"), std::string::npos) << warning;
  EXPECT_EQ(font.glyphCount(), 1u);
  EXPECT_FLOAT_EQ(font.height(), 16.0f);

  // A record cut short keeps the fonts before it and says so.
  file::BufferBinary cut;
  cut.receiveBytes(bytes.data(), bytes.size() - 3);
  cut.seek(0);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(copy.loadBinary(cut));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("truncated"), std::string::npos) << log;
  EXPECT_EQ(copy.count(), 1u);
}
