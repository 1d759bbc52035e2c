// Split images and the splash sequence: tiles, their textures and names,
// pictures that are missing or do not load, and the fade timing.

#include "framework/FrameworkTestSupport.h"
#include "support/NullCanvas.h"

#include "billboard/Billboard2D.h"
#include "billboard/Billboard2DManager.h"
#include "billboard/SplashScreen.h"
#include "billboard/SplitImage.h"
#include "framework/CorvaneDatabase.h"
#include "surface/JPEGLoader.h"
#include "surface/PNGLoader.h"
#include "surface/PixelBuffer.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// Each pixel's red and green its column and row over 4, opaque.
PixelBuffer picture(uint32_t width, uint32_t height) {
  PixelBuffer p;
  p.create(width, height, PixelBuffer::RGB888);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x)
      p.setPixel(x, y, uint8_t(x / 4), uint8_t(y / 4), 200, 255);
  return p;
}

struct Pictures : FrameworkTest {
  TextureManager &textures() { return corvaneDatabase()->textureManager(); }
  void savePicture(const char *name, uint32_t width, uint32_t height) {
    ASSERT_TRUE(PNGLoader::savePNG(folder.wide(name), picture(width, height), 0));
  }
};

} // namespace

TEST_F(Pictures, APictureIsCutIntoSquareTilesCentredOnTheOrigin) {
  SplitImage image(picture(600, 300), L"pic", 256);
  EXPECT_FLOAT_EQ(image.size().x, 600.0f);
  ASSERT_EQ(image.tileCount(), 6u);
  // Columns at 0, 256, 512; rows at 0 and 256 within each.
  struct Tile {
    int x, y, w, h;
  };
  const Tile expected[] = {{0, 0, 256, 256},    {0, 256, 256, 44}, {256, 0, 256, 256},
                           {256, 256, 256, 44}, {512, 0, 88, 256}, {512, 256, 88, 44}};
  for (uint32_t k = 0; k < 6; ++k) {
    const Tile &e = expected[k];
    const Billboard2D &tile = image.tile(k);
    Symbol name = sym((String(L"pic") + String::format(L"%02u", k)).c_str());
    ASSERT_NE(tile.texture(), nullptr);
    EXPECT_EQ(tile.texture()->name(), name);
    EXPECT_EQ(textures().find(name), tile.texture());
    auto *texture = static_cast<TextureSimple *>(tile.texture());
    EXPECT_EQ(texture->listedSize, 256u);
    EXPECT_FLOAT_EQ(tile.size.x, float(e.w)) << k;
    EXPECT_FLOAT_EQ(tile.size.y, float(e.h)) << k;
    // The part of the texture shown: e.w by e.h pixels from its top left.
    EXPECT_FLOAT_EQ(tile.texCoords[2].x, float(e.w) / 256.0f);
    EXPECT_FLOAT_EQ(tile.texCoords[2].y, float(e.h) / 256.0f);
    // Its rectangle in picture space, y up, centred on the origin.
    math::Rectangle box = tile.boundingRectangle();
    EXPECT_FLOAT_EQ(box.x, float(e.x) - 300.0f) << k;
    EXPECT_FLOAT_EQ(box.y, 150.0f - float(e.y + e.h)) << k;
    EXPECT_FLOAT_EQ(box.width, float(e.w));
  }
  // The last tile's texture holds the picture's corner block and is clear
  // beyond it.
  PixelBuffer *last = static_cast<TextureSimple *>(image.tile(5).texture())->pixels();
  uint8_t r, g, b, a;
  last->getPixel(0, 0, r, g, b, a);
  EXPECT_EQ(r, 512 / 4);
  EXPECT_EQ(g, 256 / 4);
  last->getPixel(87, 43, r, g, b, a);
  EXPECT_EQ(r, 599 / 4);
  last->getPixel(88, 0, r, g, b, a);
  EXPECT_EQ(r + g + b, 0);
  last->getPixel(0, 44, r, g, b, a);
  EXPECT_EQ(r + g + b, 0);
}

TEST_F(Pictures, ReleasingTakesTheTexturesAndTheirPrototypesAway) {
  auto *image = new SplitImage(picture(300, 100), L"gone", 256);
  ASSERT_EQ(image->tileCount(), 2u);
  // A prototype asked for under a tile's name holds its texture.
  Billboard2DManager &billboards = corvaneDatabase()->billboard2DManager();
  billboards.warnings = false;
  billboards.billboard(sym(L"gone01"));
  ASSERT_TRUE(billboards.contains(sym(L"gone01")));
  delete image;
  EXPECT_FALSE(textures().contains(sym(L"gone00")));
  EXPECT_FALSE(textures().contains(sym(L"gone01")));
  EXPECT_FALSE(billboards.contains(sym(L"gone01")));

  // Building again replaces the tiles.
  SplitImage again(picture(100, 100), L"again", 64);
  EXPECT_EQ(again.tileCount(), 4u);
  again.build(picture(10, 10), L"again", 64);
  EXPECT_EQ(again.tileCount(), 1u);
  EXPECT_FALSE(textures().contains(sym(L"again03")));
}

// A picture that does not load is a warning and an empty image, never the
// end of the program.
TEST_F(Pictures, APictureThatDoesNotLoadLeavesAnEmptyImage) {
  folder.write("junk.png", "not a picture");
  for (const char *name : {"junk.png", "missing.png"}) {
    testing::internal::CaptureStderr();
    SplitImage image(folder.wide(name), L"junk", 256);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("WARNING"), std::string::npos) << log;
    EXPECT_NE(log.find(std::string("Picture did not load: ") + folder.path(name)),
              std::string::npos)
        << log;
    EXPECT_EQ(image.tileCount(), 0u);
    EXPECT_FLOAT_EQ(image.size().x, 0.0f);
    NullCanvas canvas;
    image.render(canvas);
  }
}

TEST_F(Pictures, SplashPicturesAreFoundByNameWithTheirOwnPrefixes) {
  savePicture("second.png", 300, 20);
  savePicture("third.png", 10, 10);
  ASSERT_TRUE(JPEGLoader::saveJPEG(folder.wide("third.jpg"), picture(30, 30), 90));
  video::SplashScreen &splash = framework->splash();
  testing::internal::CaptureStderr();
  container::Vector<String> names;
  names.push(L"first");
  names.push(L"second");
  names.push(L"third");
  splash.loadSplashScreens(names);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Splash screen not found: 'first'"), std::string::npos) << log;
  ASSERT_EQ(splash.pictureCount(), 2u);
  // The first found picture is number 00; a ".jpg" wins over a ".png".
  EXPECT_TRUE(textures().contains(sym(L"splashScreen_00_00")));
  EXPECT_TRUE(textures().contains(sym(L"splashScreen_00_01")));
  EXPECT_TRUE(textures().contains(sym(L"splashScreen_01_00")));
  EXPECT_FLOAT_EQ(splash.picture(1).size().x, 30.0f);

  splash.loadSplashScreens(container::Vector<String>());
  EXPECT_EQ(splash.pictureCount(), 0u);
  EXPECT_FALSE(textures().contains(sym(L"splashScreen_00_00")));
}

TEST_F(Pictures, EachSplashPictureFadesInAndOutOverThreeAndAHalfSeconds) {
  savePicture("a.png", 4, 4);
  video::SplashScreen &splash = framework->splash();
  splash.addSplashScreen(L"a");
  splash.addSplashScreen(L"a");
  struct Step {
    float dt;
    uint32_t current;
    float time, brightness;
  };
  const Step steps[] = {
      {0.5f, 0, 0.5f, 0.5f},
      {1.5f, 0, 2.0f, 1.0f},
      {1.0f, 0, 3.0f, 0.5f},
      // One picture on at most, whatever the step.
      {4.0f, 1, 3.5f, 0.0f},
      {0.5f, 2, 0.5f, 0.5f},
  };
  for (const Step &s : steps) {
    EXPECT_FALSE(splash.update(s.dt));
    EXPECT_EQ(splash.current(), s.current);
    EXPECT_FLOAT_EQ(splash.time(), s.time);
    if (!splash.isFinished()) {
      EXPECT_FLOAT_EQ(splash.brightness(), s.brightness);
    }
  }
  EXPECT_TRUE(splash.isFinished());
  EXPECT_TRUE(splash.update(1.0f));
  EXPECT_FLOAT_EQ(splash.time(), 0.5f);

  // A 4 s step from the start moves on by one picture and leaves 0.5 s.
  container::Vector<String> twice;
  twice.push(L"a");
  twice.push(L"a");
  splash.loadSplashScreens(twice);
  splash.update(4.0f);
  EXPECT_EQ(splash.current(), 1u);
  EXPECT_FLOAT_EQ(splash.time(), 0.5f);
}

TEST_F(Pictures, AnEmptySplashIsFinishedAndDrawsNothing) {
  video::SplashScreen splash;
  EXPECT_TRUE(splash.isFinished());
  EXPECT_TRUE(splash.update(1.0f));
  NullCanvas canvas;
  splash.render(canvas);
  EXPECT_EQ(canvas.frames, 0);
  EXPECT_EQ(canvas.clears, 0);
}
