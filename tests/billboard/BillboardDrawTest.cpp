// Billboards from the data tree's own prototypes, drawn on a real OpenGL ES
// context and read back. Needs the generated texture file
// (tools/texpack data/textures.! data).

#include "framework/FrameworkTestSupport.h"

#include "billboard/Billboard2D.h"
#include "billboard/Billboard2DManager.h"
#include "billboard/Billboard3D.h"
#include "camera/Camera.h"
#include "framework/CorvaneDatabase.h"
#include "quip/Token.h"
#include "support/GLFixture.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"
#include "video/Quad3D.h"

#include <cstdlib>
#include <string>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

struct DataBillboards : FrameworkTest {
  CorvaneDatabase *database = nullptr;
  std::string log;

  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    log = loadDataTree(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS);
    database = corvaneDatabase();
  }
  Billboard2DManager &manager() { return database->billboard2DManager(); }

  video::OpenGLCanvas &screen() { return gltest::clearedScreen(); }

  // The colours data/textures.! gives its images: "solid" one colour,
  // "gradient" red to blue from its left column to its right.
  static math::PackedColor texel(const wchar_t *name, uint32_t x, uint32_t) {
    if (std::wstring(name) == L"solid")
      return math::PackedColor(math::Color(40 / 255.0f, 200 / 255.0f, 90 / 255.0f, 1.0f));
    float t = float(x) / 63.0f;
    return math::PackedColor(math::Color(1.0f - t, 0.0f, t, 1.0f));
  }
};

void expectNear(const gltest::Rgba &p, const math::PackedColor &c, int tolerance = 12) {
  EXPECT_NEAR(p.r, c.r, tolerance);
  EXPECT_NEAR(p.g, c.g, tolerance);
  EXPECT_NEAR(p.b, c.b, tolerance);
}

bool isBlack(const gltest::Rgba &p) { return p.r < 8 && p.g < 8 && p.b < 8; }

// A 3-D drawable at a position, for the depth-sorted list.
struct Placed : video::Renderable3D {
  video::Renderable &drawable;
  math::Vector3 at;
  Placed(video::Renderable &drawable, const math::Vector3 &at) : drawable(drawable), at(at) {}
  void render(video::Canvas &canvas) override { drawable.render(canvas); }
  math::Vector3 position() const override { return at; }
};

} // namespace

TEST_F(DataBillboards, TheDataTreesPrototypesLoad) {
  EXPECT_NE(
      log.find("Loaded quip: " + std::string(CORVANE_SOURCE_DIR) + "/data/config/billboards.!"),
      std::string::npos)
      << log;
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  EXPECT_EQ(log.find("not found"), std::string::npos) << log;
  Billboard2DManager &m = manager();
  ASSERT_TRUE(m.contains(sym(L"checkerTile")));
  EXPECT_TRUE(m.billboard(sym(L"checkerTile"))->centered);
  Billboard2D *pointer = m.billboard(sym(L"pointerLeft"));
  EXPECT_FALSE(pointer->centered);
  EXPECT_EQ(pointer->flipFlags(), 1u);
  EXPECT_EQ(pointer->origin().x, 28.0f); // mirrored across the 32-pixel width
  EXPECT_FLOAT_EQ(m.billboard(sym(L"gradientLeft"))->texCoords[2].x, 0.5f);
  // Every texture of the file is a prototype too.
  EXPECT_TRUE(m.contains(sym(L"solid")));
  EXPECT_EQ(m.billboard(sym(L"solid"))->size.x, 16.0f);
}

TEST_F(DataBillboards, TwoDimensionalBillboardsDrawWhereTheyStand) {
  video::OpenGLCanvas &canvas = screen();
  Billboard2D solid(database, sym(L"solid"));
  solid.position = math::Vector2(40, 400);
  solid.render(canvas);

  Billboard2D plain(database, sym(L"gradient"));
  plain.position = math::Vector2(80, 200);
  plain.render(canvas);
  quip::Dictionary flip;
  flip.set(sym(L"prototype"), quip::Token(sym(L"gradient"), false));
  flip.set(sym(L"flip"), quip::Token(L"H"));
  Billboard2D mirrored;
  mirrored.read(database, flip);
  mirrored.position = math::Vector2(240, 200);
  mirrored.render(canvas);

  Billboard2D part(database, sym(L"gradientLeft"));
  part.position = math::Vector2(160, 80);
  part.render(canvas);
  canvas.flush();

  expectNear(gltest::glPixel(40, 400), texel(L"solid", 8, 8));
  EXPECT_TRUE(isBlack(gltest::glPixel(40, 420)));
  // Left edges: the plain one starts red, the mirrored one blue.
  expectNear(gltest::glPixel(80 - 30, 200), texel(L"gradient", 2, 32));
  expectNear(gltest::glPixel(240 - 30, 200), texel(L"gradient", 61, 32));
  expectNear(gltest::glPixel(80 + 30, 200), texel(L"gradient", 62, 32));
  // The left half only: from red at its left edge to the middle at its right.
  expectNear(gltest::glPixel(160 - 15, 80), texel(L"gradient", 1, 32));
  expectNear(gltest::glPixel(160 + 15, 80), texel(L"gradient", 31, 32), 16);
  EXPECT_TRUE(isBlack(gltest::glPixel(160 + 20, 80)));
}

TEST_F(DataBillboards, ThreeDimensionalBillboardsFaceTheCameraAndSortByDepth) {
  video::OpenGLCanvas &canvas = screen();
  // Turned 30 degrees about y: a billboard straight ahead, facing the camera,
  // keeps its full width on the screen.
  Camera camera;
  camera.setRotation(math::Vector3(0, 1, 0), 30.0f);
  camera.apply(canvas);
  Billboard3D facing(database, sym(L"solid"));
  facing.initialScale = math::Vector2(0.2f, 0.2f); // 3.2 units
  facing.alignment = 2;
  facing.position = camera.forward() * 10.0f;
  facing.render(canvas);
  canvas.flush();
  // Half its width at 10 units is 1.6 / (10 tan 30) of half the screen: 44 px.
  EXPECT_FALSE(isBlack(gltest::glPixel(160, 240)));
  EXPECT_FALSE(isBlack(gltest::glPixel(160 + 41, 240)));
  EXPECT_FALSE(isBlack(gltest::glPixel(160 - 41, 240)));
  EXPECT_TRUE(isBlack(gltest::glPixel(160 + 48, 240)));
  camera.release(canvas);

  // Straight ahead: the billboard far, a red quad nearer over its right half,
  // inserted in the wrong order and drawn farthest first.
  canvas.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  Camera ahead;
  ahead.apply(canvas);
  facing.position = math::Vector3(0, 0, -10);
  video::Quad3D quad;
  math::Rectangle r;
  r.set(0.0f, -1.0f, 2.0f, 2.0f);
  quad.setRectangle(r);
  for (int i = 0; i < 4; ++i) {
    quad.position(i).z = -5.0f;
    quad.color(i) = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  }
  quad.renderPass().lit = false;
  quad.renderPass().cull = false;
  quad.renderPass().depthTest = false;
  quad.renderPass().depthWrite = false;
  Placed near(quad, math::Vector3(0, 0, -5)), far(facing, facing.position);
  video::DepthSortedList list;
  list.insertByViewDepth(&near, ahead.position(), ahead.forward());
  list.insertByViewDepth(&far, ahead.position(), ahead.forward());
  EXPECT_EQ(list[0], &far);
  list.renderAllAndClear(canvas, Symbol());
  canvas.flush();
  ahead.release(canvas);

  gltest::Rgba overlap = gltest::glPixel(160 + 10, 240);
  EXPECT_GT(overlap.r, 240);
  EXPECT_LT(overlap.g, 10);
  expectNear(gltest::glPixel(160 - 20, 240), texel(L"solid", 8, 8));
}
