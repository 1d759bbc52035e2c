#include "TexturePacker.h"

#include "file/Database.h"
#include "framework/FrameworkTestSupport.h"
#include "texture/TextureAnimated.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <gtest/gtest.h>

namespace {

struct Packer : testing::Test {
  testing_support::TempFolder folder;
  Database database{Symbol::intern(L"packerTest"), L"."};
  TextureManager manager{&database};
  String output() const { return texpack::textureFileUnder(folder.wide()); }
  TextureSimple &simple(const wchar_t *name) {
    return static_cast<TextureSimple &>(*manager.find(Symbol::intern(name)));
  }
};

const String projectScript = String(CORVANE_SOURCE_DIR) + L"/data/textures.!";

} // namespace

TEST_F(Packer, TheProjectsScriptGivesEveryTextureInItsStoredFormat) {
  testing::internal::CaptureStderr();
  ASSERT_TRUE(texpack::packTextures(projectScript, output()));
  ASSERT_TRUE(manager.loadMonolith(output()));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(output(), folder.wide() + L"/ship/mediaPalm/textures.dat");

  struct Case {
    const wchar_t *name;
    uint32_t format;
    int pixelFormat;
    bool alphaImage, mipmap, wrap;
  } cases[] = {
      {L"corvaneCanvasLine", TEXTURE_PNG, PixelBuffer::RGBA8888, false, true, false},
      {L"corvanePointer", TEXTURE_JPEG, PixelBuffer::RGBA8888, true, false, false},
      {L"solid", TEXTURE_PNG, PixelBuffer::RGBA8888, false, false, true},
      {L"tint", TEXTURE_JPEG, PixelBuffer::RGBA8888, true, false, true},
      {L"gradient", TEXTURE_ULV, PixelBuffer::RGB565, false, true, true},
      {L"checker", TEXTURE_JPEG, PixelBuffer::RGB888, false, false, true},
      {L"flame3", TEXTURE_ULV, PixelBuffer::RGBA4444, false, false, true},
  };
  for (const Case &c : cases) {
    TextureSimple &t = simple(c.name);
    EXPECT_EQ(t.address.format, c.format) << c.name;
    EXPECT_EQ(t.pixelFormat, uint32_t(c.pixelFormat)) << c.name;
    EXPECT_EQ(t.address.alphaSize != 0, c.alphaImage) << c.name;
    EXPECT_EQ(t.mipmap, c.mipmap) << c.name;
    EXPECT_EQ(t.wrap, c.wrap) << c.name;
    EXPECT_EQ(t.opaque, !PixelBuffer::hasAlpha(c.pixelFormat)) << c.name;
  }
  auto &flame = static_cast<TextureAnimated &>(*manager.find(Symbol::intern(L"flame")));
  EXPECT_EQ(flame.frames().size(), 4u);

  // Decoded back: the line is white with alpha only along its middle.
  PixelBuffer *line = simple(L"corvaneCanvasLine").pixels();
  uint8_t r, g, b, a;
  line->getPixel(5, 31, r, g, b, a);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_GT(a, 250);
  line->getPixel(5, 0, r, g, b, a);
  EXPECT_LT(a, 30);
  PixelBuffer *tint = simple(L"tint").pixels();
  tint->getPixel(3, 3, r, g, b, a);
  EXPECT_NEAR(a, 160, 3);
  EXPECT_NEAR(r, 200, 4);
}

TEST_F(Packer, ABadScriptLeavesTheOldFile) {
  testing::internal::CaptureStderr();
  ASSERT_TRUE(texpack::packTextures(projectScript, output()));
  testing::internal::GetCapturedStderr();
  std::string before = folder.read("ship/mediaPalm/textures.dat");
  struct Case {
    const char *script, *reason;
  } cases[] = {{"( a: 1 )", "does not give a list of textures"},
               {"[ 3 ]", "entry 0 is not a dictionary"},
               {"[ (image: solid:) ]", "entry 0 has no name"},
               {"[ (name: \"x\" image: spiral:) ]", "texture x has no image this packer can make"},
               {"[ (name: \"x\" image: solid: options: (format: pvr:)) ]",
                "texture x cannot be stored in its format"}};
  for (const Case &c : cases) {
    folder.write("bad.!", c.script);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(texpack::packTextures(String::fromUtf8(folder.path("bad.!").c_str()), output()));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(c.reason), std::string::npos) << c.script << "\n" << err;
  }
  EXPECT_EQ(folder.read("ship/mediaPalm/textures.dat"), before);
}
