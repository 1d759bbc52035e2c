// The data tree's three-node skeleton posed at two ages and drawn on a real
// OpenGL ES context, read back. Needs the generated texture file
// (tools/texpack data/textures.! data).

#include "framework/FrameworkTestSupport.h"

#include "animation/Skeleton.h"
#include "framework/CorvaneDatabase.h"
#include "quip/FrameworkManager.h"
#include "quip/Token.h"
#include "support/GLFixture.h"

#include <string>

using namespace testing_support;

namespace {

struct DataSkeletons : FrameworkTest {
  CorvaneDatabase *database = nullptr;

  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    std::string log =
        loadDataTree(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS);
    database = corvaneDatabase();
  }

  // The skeleton of a source of the data tree, read as the compiler reads it.
  void loadSource(animation::Skeleton &skeleton, const wchar_t *name) {
    String path = database->path() + L"/config/skeletons/" + name + L".!";
    quip::Token source = quip::evaluateWithFramework(database, path);
    ASSERT_TRUE(source.isDictionary());
    skeleton.load(database, source.dictionary());
  }

  // The skeleton posed at the age and drawn at the middle of the screen.
  void draw(animation::Skeleton &skeleton, float age) {
    video::OpenGLCanvas &canvas = gltest::clearedScreen();
    skeleton.animate(age);
    canvas.pushMatrix();
    canvas.translate(160.0f, 240.0f);
    skeleton.render(canvas);
    canvas.popMatrix();
    canvas.flush();
  }
};

// The colours data/textures.! gives "sky" and "solid"; the gradient's red
// end, its first columns filtered with their neighbours, comes out near
// (224, 0, 32).
const gltest::Rgba Sky{120, 180, 240, 255}, Solid{40, 200, 90, 255}, Red{230, 0, 25, 255};
const gltest::Rgba Black{0, 0, 0, 255};

void expectColor(int x, int y, const gltest::Rgba &c) {
  gltest::expectRgb(x, y, c.r, c.g, c.b, c.r == Red.r ? 30 : 16);
}

} // namespace

TEST_F(DataSkeletons, TheTriadShowsItsBillboardsWhereItsPoseSetsThem) {
  animation::Skeleton triad;
  loadSource(triad, L"triad");
  ASSERT_EQ(triad.renderList().size(), 3u);

  struct Spot {
    int x, y;
    gltest::Rgba color;
  };
  // At 0 the arm points right and the lamp shows the gradient's red end.
  draw(triad, 0.0f);
  for (const Spot &s : {Spot{160, 240, Sky}, Spot{170, 240, Sky}, Spot{200, 240, Solid},
                        Spot{224, 240, Red}, Spot{160, 200, Black}, Spot{240, 240, Black}})
    expectColor(s.x, s.y, s.color);

  // At 1 the body has turned a quarter clockwise: the arm points down, and
  // the lamp shows the sky.
  draw(triad, 1.0f);
  for (const Spot &s : {Spot{160, 240, Sky}, Spot{160, 200, Solid}, Spot{160, 176, Sky},
                        Spot{200, 240, Black}, Spot{224, 240, Black}, Spot{160, 280, Black}})
    expectColor(s.x, s.y, s.color);
}
