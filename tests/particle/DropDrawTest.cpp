// Drops and scrims drawn on a real OpenGL ES context and read back: the data
// tree's floating score at fixed ages, and a scrim around a textured
// cut-out. Needs the generated texture file and font (tools/texpack,
// tools/fontmake).

#include "framework/FrameworkTestSupport.h"

#include "framework/CorvaneDatabase.h"
#include "gui/ScrimWidget.h"
#include "particle/Drop.h"
#include "particle/DropDefinition.h"
#include "particle/DropFactory.h"
#include "support/GLFixture.h"

#include <GLES/gl.h>

#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

struct DataDrawing : FrameworkTest {
  CorvaneDatabase *database = nullptr;

  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    std::string log =
        loadDataTree(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS |
                     CorvaneDatabase::LOAD_FONTS | CorvaneDatabase::LOAD_PARTICLE_SYSTEMS |
                     CorvaneDatabase::LOAD_DROPS);
    database = corvaneDatabase();
  }
};

// The box of every pixel that is not black, and the brightest pixel's colour.
struct Lit {
  int x0 = 320, y0 = 480, x1 = -1, y1 = -1;
  gltest::Rgba brightest{0, 0, 0, 0};
  float centerX() const { return (x0 + x1) / 2.0f; }
  float centerY() const { return (y0 + y1) / 2.0f; }
  int height() const { return y1 - y0 + 1; }
};

Lit litPixels() {
  std::vector<unsigned char> pixels(320 * 480 * 4);
  glReadPixels(0, 0, 320, 480, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  Lit lit;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 320; ++x) {
      const unsigned char *p = &pixels[(y * 320 + x) * 4];
      if (p[0] + p[1] + p[2] < 24)
        continue;
      lit.x0 = std::min(lit.x0, x);
      lit.x1 = std::max(lit.x1, x);
      lit.y0 = std::min(lit.y0, y);
      lit.y1 = std::max(lit.y1, y);
      if (p[0] + p[1] + p[2] > lit.brightest.r + lit.brightest.g + lit.brightest.b)
        lit.brightest = {p[0], p[1], p[2], p[3]};
    }
  return lit;
}

} // namespace

TEST_F(DataDrawing, TheFloatingScoreRisesAndSwellsWithItsOscillator) {
  DropDefinition *score = database->dropFactory().find(Symbol::intern(L"scoreFloat"));
  ASSERT_NE(score, nullptr);
  std::unique_ptr<Drop> drop(score->instantiate(math::Vector2(160, 240)));

  // At 1/8 s it has risen 5 pixels and its oscillator stands at 1.2; at
  // 1/4 s it has risen 10 and the oscillator is back at 1.
  Lit at[2];
  const float ages[2] = {0.125f, 0.25f};
  for (int i = 0; i < 2; ++i) {
    video::OpenGLCanvas &canvas = gltest::clearedScreen();
    drop->setAge(ages[i]);
    drop->render(canvas);
    canvas.flush();
    at[i] = litPixels();
    ASSERT_GE(at[i].x1, 0) << "nothing drawn at " << ages[i];
  }
  EXPECT_NEAR(at[0].centerX(), 160.0f, 2.0f);
  EXPECT_NEAR(at[1].centerX(), 160.0f, 2.0f);
  EXPECT_NEAR(at[1].centerY() - at[0].centerY(), 5.0f, 2.0f);
  EXPECT_NEAR(float(at[0].height()) / float(at[1].height()), 1.2f, 0.1f);
  // The text's yellow.
  const gltest::Rgba &c = at[1].brightest;
  EXPECT_GT(c.r, 200);
  EXPECT_GT(c.g, 180);
  EXPECT_LT(c.b, 120);
}

TEST_F(DataDrawing, AScrimDimsAroundItsCutOut) {
  video::OpenGLCanvas &canvas = gltest::clearedScreen();
  const math::Color scrim(0.2f, 0.2f, 0.6f, 1.0f);
  GUI::drawScrimWithCutOut(canvas, scrim, Symbol::intern(L"solid"), math::Vector2(160, 240),
                           math::Vector2(100, 60), math::Color::white);
  struct Spot {
    int x, y;
    bool hole;
  };
  const Spot spots[] = {{160, 240, true},  {114, 214, true},  {206, 266, true},  {105, 240, false},
                        {215, 240, false}, {160, 275, false}, {160, 205, false}, {2, 2, false},
                        {317, 477, false}, {2, 477, false}};
  for (const Spot &s : spots) {
    if (s.hole)
      gltest::expectRgb(s.x, s.y, 40, 200, 90, 12);
    else
      gltest::expectRgb(s.x, s.y, 51, 51, 153, 2);
  }

  canvas.setColor(math::Color::white);
  GUI::drawScrim(canvas, math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  canvas.flush();
  for (const Spot &s : spots)
    gltest::expectRgb(s.x, s.y, 255, 0, 0, 2);
}
