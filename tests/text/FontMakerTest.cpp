// The font maker: DejaVu Sans rasterised into an atlas, packed with a
// texture list and described by its scripts, then loaded as the engine
// loads its data.

#include "FontRaster.h"
#include "FontScripts.h"
#include "TexturePacker.h"

#include "billboard/Billboard2D.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const String dejaVu = L"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

bool isPowerOfTwo(uint32_t n) { return n && !(n & (n - 1)); }

} // namespace

TEST(FontMaker, RasterisesEveryPrintableCharacterIntoItsCell) {
  fontmake::FontAtlas atlas;
  String reason;
  ASSERT_TRUE(fontmake::rasterizeFont(dejaVu, 18.0f, atlas, reason))
      << "fonts-dejavu-core is installed by tools/setup/deps.sh";
  const PixelBuffer &pixels = atlas.pixels;
  EXPECT_EQ(pixels.width(), pixels.height());
  EXPECT_TRUE(isPowerOfTwo(pixels.width()));
  EXPECT_EQ(pixels.format(), PixelBuffer::RGBA8888);
  ASSERT_EQ(atlas.cells.size(), 94u);
  EXPECT_GT(atlas.ascent, atlas.descent);
  for (size_t i = 0; i < atlas.cells.size(); ++i) {
    const fontmake::GlyphCell &cell = atlas.cells[i];
    EXPECT_EQ(cell.character, 33u + i);
    EXPECT_EQ(cell.height, atlas.ascent + atlas.descent);
    EXPECT_LE(uint32_t(cell.x + cell.width), pixels.width());
    EXPECT_LE(uint32_t(cell.y + cell.height), pixels.height());
    // No two cells share a pixel.
    for (size_t j = 0; j < i; ++j) {
      const fontmake::GlyphCell &o = atlas.cells[j];
      bool apart = cell.x >= o.x + o.width || o.x >= cell.x + cell.width ||
                   cell.y >= o.y + o.height || o.y >= cell.y + cell.height;
      EXPECT_TRUE(apart) << char(cell.character) << " and " << char(o.character);
    }
    // Every glyph leaves some coverage in its cell.
    int covered = 0;
    for (int y = 0; y < cell.height; ++y)
      for (int x = 0; x < cell.width; ++x) {
        uint8_t r, g, b, a;
        pixels.getPixel(uint32_t(cell.x + x), uint32_t(cell.y + y), r, g, b, a);
        covered += a > 0;
      }
    EXPECT_GT(covered, 0) << char(cell.character);
  }
  // "_" lies below the baseline, "'" well above it.
  auto inkRows = [&](unsigned c, int &top, int &bottom) {
    const fontmake::GlyphCell &cell = atlas.cells[c - 33];
    top = cell.height;
    bottom = -1;
    for (int y = 0; y < cell.height; ++y)
      for (int x = 0; x < cell.width; ++x) {
        uint8_t r, g, b, a;
        pixels.getPixel(uint32_t(cell.x + x), uint32_t(cell.y + y), r, g, b, a);
        if (a > 0) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
  };
  int top, bottom;
  inkRows('_', top, bottom);
  EXPECT_GE(top, atlas.ascent);
  inkRows('\'', top, bottom);
  EXPECT_LT(bottom, atlas.ascent - 4);

  fontmake::FontAtlas none;
  EXPECT_FALSE(fontmake::rasterizeFont(L"/nonexistent.ttf", 18.0f, none, reason));
  EXPECT_NE(reason.find(L"cannot read the font"), -1);
}

// What the maker writes is what the engine loads: the atlas in the texture
// file, the font "font" with a glyph per character.
TEST_F(FrameworkTest, TheFontMakersFilesLoadAsTheFontFont) {
  fontmake::FontAtlas atlas;
  String reason;
  ASSERT_TRUE(fontmake::rasterizeFont(dejaVu, 18.0f, atlas, reason));
  texpack::MadeTexture made;
  made.name = L"fontAtlas";
  made.pixels.copy(atlas.pixels);
  folder.write("textures.!", "[]");
  container::Vector<const texpack::MadeTexture *> list;
  list.push(&made);
  ASSERT_TRUE(texpack::packTextures(folder.wide("textures.!"),
                                    texpack::textureFileUnder(folder.wide()), list));
  ASSERT_TRUE(fontmake::writeFontScripts(atlas, Symbol::intern(L"font"),
                                         Symbol::intern(L"fontAtlas"), folder.wide()));

  CorvaneDatabase *database = corvaneDatabase();
  testing::internal::CaptureStderr();
  database->loadAll(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_FONTS);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  EXPECT_EQ(log.find("not found"), std::string::npos) << log;
  Font *font = database->fontFactory().defaultFont();
  ASSERT_NE(font, nullptr) << log;
  EXPECT_EQ(font->glyphCount(), 94u);
  EXPECT_FLOAT_EQ(font->height(), float(atlas.ascent + atlas.descent));
  EXPECT_FLOAT_EQ(font->baseline(), float(atlas.descent));
  EXPECT_FLOAT_EQ(font->ascent(), float(atlas.ascent));
  // Advances are the cells' widths; "W" is wider than "i".
  const fontmake::GlyphCell &w = atlas.cells['W' - 33];
  EXPECT_FLOAT_EQ(font->glyphAdvance(L'W'), float(w.width));
  EXPECT_GT(font->glyphAdvance(L'W'), 2.0f * font->glyphAdvance(L'i'));
  // The glyph shows exactly its cell of the atlas.
  const Billboard2D &glyph = *font->glyph(L'W');
  float side = float(atlas.pixels.width());
  EXPECT_FLOAT_EQ(glyph.texCoords[0].x * side, float(w.x));
  EXPECT_FLOAT_EQ(glyph.texCoords[2].y * side, float(w.y + w.height));
  EXPECT_EQ(glyph.texture(), database->textureManager().find(Symbol::intern(L"fontAtlas")));
}
