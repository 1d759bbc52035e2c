// The data tree's shapes: loaded at their step of the database load through
// the framework's builtin, and drawn on a real GLES 1.1 context.

#include "framework/FrameworkTestSupport.h"

#include "framework/CorvaneDatabase.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "shape/Shape.h"
#include "shape/ShapeManager.h"
#include "support/GLFixture.h"

#include <string>

using namespace testing_support;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

struct DataShapes : FrameworkTest {
  CorvaneDatabase *database = nullptr;
  std::string log;

  void SetUp() override {
    FrameworkTest::SetUp();
    database = corvaneDatabase();
    database->setPath(String(CORVANE_SOURCE_DIR) + L"/data");
    testing::internal::CaptureStderr();
    database->beginLoad();
    // Textures, billboards, fonts and sounds come first: no shapes yet.
    for (int step = 0; step < 4; ++step)
      database->loadDatabase(CorvaneDatabase::LOAD_SHAPES);
    EXPECT_EQ(database->existingManager(CorvaneDatabase::SHAPES), nullptr);
    database->loadDatabase(CorvaneDatabase::LOAD_SHAPES);
    log = testing::internal::GetCapturedStderr();
  }
  shape::ShapeManager &shapes() { return database->shapeManager(); }
};

} // namespace

TEST_F(DataShapes, TheShapesScriptLoadsAtItsStep) {
  EXPECT_EQ(database->loadStep(), 5u);
  EXPECT_NE(log.find("Loaded quip: " + std::string(CORVANE_SOURCE_DIR) + "/data/config/shapes.!"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  ASSERT_EQ(shapes().count(), 2u);
  EXPECT_TRUE(database->manager(CorvaneDatabase::SHAPES).contains(sym(L"band")));
  shape::Shape *band = shapes().find(sym(L"band"));
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->vertexCount(), 8u);
  ASSERT_EQ(band->strips().size(), 1u);
  EXPECT_EQ(band->strips()[0]->count(), 8u);
  shape::Shape *hexagon = shapes().find(sym(L"hexagon"));
  ASSERT_NE(hexagon, nullptr);
  EXPECT_EQ(hexagon->vertexCount(), 7u);
  ASSERT_EQ(hexagon->fans().size(), 1u);
  EXPECT_EQ(hexagon->fans()[0]->count(), 8u);
  // The framework's script manager knows the builtin.
  quip::ScriptManager *framework = database->scriptManagers().find(sym(L"framework"));
  ASSERT_NE(framework, nullptr);
  ASSERT_TRUE(framework->defineProcedure(String(L"(name: band:) defineShape"), sym(L"again")));
  framework->runNamed(sym(L"again"));
  EXPECT_EQ(shapes().find(sym(L"band"))->vertexCount(), 0u);
}

TEST_F(DataShapes, TheHexagonFanCoversAllSixTriangles) {
  video::OpenGLCanvas &canvas = gltest::screenCanvas();
  shape::Shape *hexagon = shapes().find(sym(L"hexagon"));
  ASSERT_NE(hexagon, nullptr);
  hexagon->position = math::Vector2(160, 240);
  hexagon->scale = math::Vector2(100, 100);
  hexagon->render(canvas);
  // Inside each of the six triangles round the centre, the fourth (centre,
  // left corner, lower left corner) among them; drawn as a strip it would
  // stay black.
  const int probes[6][2] = {{60, 20}, {0, 60}, {-60, 20}, {-30, -20}, {0, -60}, {60, -20}};
  for (const auto &p : probes) {
    gltest::Rgba pixel = gltest::glPixel(160 + p[0], 240 + p[1]);
    EXPECT_GT(pixel.r, 200) << p[0] << "," << p[1];
  }
  // Outside the hexagon.
  gltest::Rgba corner = gltest::glPixel(160 + 95, 240 + 60);
  EXPECT_EQ(corner.r, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
