// Whole frames of the framework on a real OpenGL ES 1.1 context, read back:
// the loading picture, a splash picture's fade, a running frame's text and
// frame-rate meter, and the frame capture of that frame.

#include "FrameworkTestSupport.h"
#include "support/GLFixture.h"
#include "text/TextTestSupport.h"

#include "LoadingPicture.h"
#include "billboard/SplashScreen.h"
#include "file/FileStatus.h"
#include "framework/CorvaneDatabase.h"
#include "quip/Token.h"
#include "surface/PNGLoader.h"
#include "text/FontFactory.h"
#include "text/FormattedText.h"
#include "texture/TextureManager.h"
#include "video/Layer.h"
#include "video/LayerManager.h"

#include <vector>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

struct FramesReadBack : FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    canvas = &gltest::canvas();
    canvas->setClearColor(math::Color(0.0f, 0.0f, 1.0f, 1.0f));
  }
  void TearDown() override {
    canvas->setClearColor(math::Color::black);
    FrameworkTest::TearDown();
  }
  // The generated loading picture, saved under the given name.
  PixelBuffer savePicture(const char *name) {
    PixelBuffer picture;
    texpack::makeLoadingPicture(picture);
    file::makeDirectory(folder.wide("load"));
    EXPECT_TRUE(PNGLoader::savePNG(folder.wide(name), picture, 0));
    return picture;
  }
  // The window pixel over a picture pixel (picture rows from the top).
  static void expectPicture(const PixelBuffer &picture, int x, int y, float brightness = 1.0f) {
    uint8_t r, g, b, a;
    picture.getPixel(uint32_t(x), uint32_t(y), r, g, b, a);
    gltest::Rgba p = gltest::glPixel(x, 479 - y);
    EXPECT_NEAR(p.r, r * brightness, 3) << x << "," << y;
    EXPECT_NEAR(p.g, g * brightness, 3) << x << "," << y;
    EXPECT_NEAR(p.b, b * brightness, 3) << x << "," << y;
  }
  // The font "font": letters and digits as solid boxes, a b 10 wide,
  // digits 6, spacing 1; baseline 2, ascent 8.
  void addFont() {
    CorvaneDatabase *database = corvaneDatabase();
    Texture *texture = whiteTexture(sym(L"boxes")).release();
    database->textureManager().addTexture(texture);
    std::map<wchar_t, float> advances{{L'a', 10}, {L'b', 10}, {L'o', 10}};
    for (wchar_t d = L'0'; d <= L'9'; ++d)
      advances[d] = 6;
    database->fontFactory().insert(boxFont(texture, advances, 1.0f).release());
  }
  // The running state with the layers and the framework's parts on them.
  void run() {
    framework->createLayers();
    framework->performLoadStep(8);
    framework->setState(FRAMEWORK_RUNNING);
  }

  video::OpenGLCanvas *canvas = nullptr;
};

// Filtering and blending may move a colour by a step or two.
void expectRgb(int x, int y, int r, int g, int b) { gltest::expectRgb(x, y, r, g, b, 2); }

} // namespace

TEST_F(FramesReadBack, ALoadingFrameShowsTheLoadingPicture) {
  PixelBuffer picture = savePicture("load/loadingScreen.png");
  framework->setState(FRAMEWORK_LOADING);
  ASSERT_NE(framework->loadingScreen(), nullptr);
  framework->render();
  // One probe in each of the four 256-pixel tiles, and the ring.
  expectPicture(picture, 100, 100);
  expectPicture(picture, 100, 400);
  expectPicture(picture, 300, 100);
  expectPicture(picture, 300, 400);
  expectPicture(picture, 160, 240 - 60);
  gltest::Rgba ring = gltest::glPixel(160, 479 - 180);
  EXPECT_GT(ring.r, 200);
}

TEST_F(FramesReadBack, ASplashPictureIsAtHalfBrightnessHalfASecondIn) {
  PixelBuffer picture = savePicture("splash.png");
  video::SplashScreen &splash = framework->splash();
  splash.addSplashScreen(L"splash");
  ASSERT_EQ(splash.pictureCount(), 1u);
  framework->setState(FRAMEWORK_SPLASH);
  framework->update(0.5f);
  framework->render();
  for (int y : {100, 400})
    for (int x : {100, 300})
      expectPicture(picture, x, y, 0.5f);
  framework->update(1.0f);
  framework->render();
  expectPicture(picture, 300, 400);
}

TEST_F(FramesReadBack, ARunningFrameShowsTextAndTheFrameRateMeter) {
  addFont();
  text::FormattedText label;
  label.setText(L"ab");
  label.setPosition(100.0f, 200.0f);
  run();
  video::LayerManager::instance().getLayer(sym(L"foreground")).addRenderable(&label);
  framework->setShowsFrameRate(true);
  framework->render();

  // "ab" is 21 wide and 8 high to its ascent, anchored at its middle and
  // snapped: "a" from x 89 to 99, "b" from 100 to 110, each from y 194 to 204.
  for (int x : {90, 94, 98, 101, 105, 109})
    for (int y : {195, 199, 203})
      expectRgb(x, y, 255, 255, 255);
  for (int x : {87, 99, 111})
    expectRgb(x, 199, 0, 0, 255);
  expectRgb(94, 192, 0, 0, 255);
  expectRgb(94, 205, 0, 0, 255);

  // The meter in the corner: the first reading is 0, one digit 6 wide in a
  // box 16 x 20 of 70 % black; the digit from x 309 to 315, y 464 to 474.
  expectRgb(306, 462, 0, 0, 77);
  expectRgb(318, 477, 0, 0, 77);
  expectRgb(312, 469, 255, 255, 255);
  expectRgb(302, 470, 0, 0, 255);
  expectRgb(310, 458, 0, 0, 255);
  video::LayerManager::instance().getLayer(sym(L"foreground")).removeRenderable(&label);
}

TEST_F(FramesReadBack, CaptureWritesTheFrameItDrew) {
  addFont();
  quip::Dictionary settings, options;
  settings.set(sym(L"enabled"), quip::Token(quip::trueSymbol(), false));
  settings.set(sym(L"format"), quip::Token(sym(L"png"), false));
  options.set(sym(L"videoCapture"), quip::Token(settings));
  framework->readOptions(options);
  run();
  framework->setShowsFrameRate(true);
  framework->render();

  PixelBuffer frame;
  ASSERT_TRUE(frame.loadFromFile(folder.wide("video/frame0000.png")));
  ASSERT_EQ(frame.width(), 320u);
  ASSERT_EQ(frame.height(), 480u);
  std::vector<unsigned char> screen(320 * 480 * 4);
  glReadPixels(0, 0, 320, 480, GL_RGBA, GL_UNSIGNED_BYTE, screen.data());
  int differing = 0;
  for (uint32_t y = 0; y < 480; ++y)
    for (uint32_t x = 0; x < 320; ++x) {
      uint8_t r, g, b, a;
      frame.getPixel(x, y, r, g, b, a);
      const unsigned char *p = &screen[((479 - y) * 320 + x) * 4];
      differing += r != p[0] || g != p[1] || b != p[2];
    }
  EXPECT_EQ(differing, 0);
  // The meter is in it.
  uint8_t r, g, b, a;
  frame.getPixel(306, 479 - 462, r, g, b, a);
  EXPECT_EQ(b, 77);

  // JPEG frames decode to the same picture, near enough.
  quip::Dictionary jpeg;
  jpeg.set(sym(L"format"), quip::Token(sym(L"jpg"), false));
  framework->capture().read(jpeg);
  framework->render();
  PixelBuffer second;
  ASSERT_TRUE(second.loadFromFile(folder.wide("video/frame0001.jpg")));
  second.getPixel(160, 240, r, g, b, a);
  EXPECT_NEAR(b, 255, 8);
  EXPECT_NEAR(r, 0, 8);
}
