// Frame capture: its settings, which frames it writes, the file names, the
// pointer it draws and the warnings when it cannot save.

#include "framework/FrameworkTestSupport.h"
#include "support/NullCanvas.h"

#include "input/Pointer.h"
#include "math/Rectangle.h"
#include "quip/Token.h"
#include "surface/PixelBuffer.h"
#include "video/Capture.h"
#include "video/QuadBatch.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// Reads back a 4 x 2 frame and counts the quads it is given.
class FrameCanvas : public NullCanvas {
public:
  int quads = 0;
  bool readPixels(const math::Rectangle &, int format, PixelBuffer &buffer) override {
    buffer.create(4, 2, format);
    buffer.fill(10, 20, 30, 255);
    return true;
  }
  void drawQuadBatch(video::QuadBatch &batch) override { quads += batch.vertexCount() / 4; }
  void flush() override { quadBatch().flush(*this); }
};

struct CaptureTest : FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    video::Canvas::setInstance(canvas);
  }
  void TearDown() override {
    video::Canvas::destroyInstance();
    FrameworkTest::TearDown();
  }
  video::Capture &capture() { return framework->capture(); }
  // Reads the settings given as pairs of keys and values.
  void read(std::initializer_list<std::pair<const wchar_t *, quip::Token>> settings) {
    quip::Dictionary d;
    for (const auto &[key, value] : settings)
      d.set(sym(key), value);
    capture().read(d);
  }

  FrameCanvas *canvas = new FrameCanvas;
};

quip::Token word(const wchar_t *text) { return quip::Token(sym(text), false); }

} // namespace

TEST_F(CaptureTest, SettingsAndFileNames) {
  video::Capture &c = capture();
  EXPECT_FALSE(c.enabled());
  EXPECT_EQ(c.framePath(7), folder.wide() + L"/video/frame0007.jpg");
  EXPECT_EQ(c.framePath(12345), folder.wide() + L"/video/frame12345.jpg");

  read({{L"folder", quip::Token(L"clips")},
        {L"base", quip::Token(L"shot")},
        {L"frame", quip::Token(3.0f)},
        {L"skip", quip::Token(1.0f)},
        {L"showMouse", word(L"false")}});
  EXPECT_EQ(c.framePath(c.frame()), folder.wide() + L"/clips/shot0003.jpg");
  EXPECT_EQ(c.skip(), 1);
  EXPECT_FALSE(c.showsMouse());

  // The format's text is the suffix as written; its lower case picks the kind.
  struct Case {
    const wchar_t *format, *suffix;
    int kind;
  };
  const Case cases[] = {{L"PNG", L"PNG", video::Capture::PNG},
                        {L"bmp", L"bmp", video::Capture::PNG},
                        {L"jpeg", L"jpeg", video::Capture::JPEG},
                        {L"tga", L"tga", video::Capture::JPEG},
                        {L"png", L"png", video::Capture::PNG}};
  for (const Case &k : cases) {
    read({{L"format", word(k.format)}});
    EXPECT_EQ(c.suffix(), String(k.suffix));
    EXPECT_EQ(c.format(), k.kind) << String(k.format).length();
  }
  read({{L"enabled", word(L"true")}});
  EXPECT_TRUE(c.enabled());
  framework->toggleCapture();
  EXPECT_FALSE(c.enabled());
}

TEST_F(CaptureTest, WithSkipTwoEveryThirdFrameIsWritten) {
  read({{L"skip", quip::Token(2.0f)}, {L"format", word(L"png")}});
  capture().frameRendered(); // off: nothing
  EXPECT_FALSE(folder.exists("video"));
  capture().setEnabled(true);
  std::vector<int> written;
  for (int rendered = 1; rendered <= 8; ++rendered) {
    int before = capture().frame();
    capture().frameRendered();
    if (capture().frame() != before)
      written.push_back(rendered);
  }
  EXPECT_EQ(written, (std::vector<int>{1, 4, 7}));
  for (const char *name : {"video/frame0000.png", "video/frame0001.png", "video/frame0002.png"}) {
    PixelBuffer frame;
    ASSERT_TRUE(frame.loadFromFile(folder.wide(name))) << name;
    EXPECT_EQ(frame.width(), 4u);
  }
  EXPECT_FALSE(folder.exists("video/frame0003.png"));

  // Enabling again captures the very next frame.
  capture().frameRendered();
  capture().setEnabled(true);
  capture().frameRendered();
  EXPECT_TRUE(folder.exists("video/frame0003.png"));
}

TEST_F(CaptureTest, JPEGFramesDecode) {
  capture().setEnabled(true);
  capture().frameRendered();
  PixelBuffer frame;
  ASSERT_TRUE(frame.loadFromFile(folder.wide("video/frame0000.jpg")));
  uint8_t r, g, b, a;
  frame.getPixel(1, 1, r, g, b, a);
  EXPECT_NEAR(g, 20, 4);
}

TEST_F(CaptureTest, AFrameThatCannotBeSavedIsAWarningAndTheNumberGoesOn) {
  folder.write("blocked", "a file where the folder would be");
  read({{L"folder", quip::Token(L"blocked")}, {L"enabled", word(L"true")}});
  testing::internal::CaptureStderr();
  capture().frameRendered();
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Failed to create folder to save video: " + folder.path("blocked")),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("Failed to save JPEG video frame: " + folder.path("blocked/frame0000.jpg")),
            std::string::npos)
      << log;
  EXPECT_EQ(capture().frame(), 1);
}

TEST_F(CaptureTest, ThePointerIsDrawnOnlyWhileCapturing) {
  framework::setPointerPosition(math::Vector2i(40, 60));
  testing::internal::CaptureStderr();
  capture().render(*canvas);
  canvas->flush();
  EXPECT_EQ(canvas->quads, 0); // off, though showMouse is on
  capture().setEnabled(true);
  capture().render(*canvas);
  canvas->flush();
  EXPECT_EQ(canvas->quads, 1);
  read({{L"showMouse", word(L"false")}});
  capture().render(*canvas);
  canvas->flush();
  EXPECT_EQ(canvas->quads, 1);
  testing::internal::GetCapturedStderr();
}
