// Shapes read from dictionaries, made in code, kept by the shape manager and
// drawn by the canvas.

#include "shape/Shape.h"
#include "file/Database.h"
#include "quip/Builtin.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "quip/Token.h"
#include "shape/ShapeManager.h"
#include "support/RecordingCanvas.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using shape::Shape;
using testing_support::DrawnPrimitive;
using testing_support::RecordingCanvas;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

quip::Token numbers(std::initializer_list<float> values) {
  quip::Array a(uint32_t(values.size()));
  uint32_t i = 0;
  for (float v : values)
    a[i++] = quip::Token(v);
  return quip::Token(a, false);
}

quip::Token list(std::initializer_list<quip::Token> tokens) {
  quip::Array a(uint32_t(tokens.size()));
  uint32_t i = 0;
  for (const quip::Token &t : tokens)
    a[i++] = t;
  return quip::Token(a, false);
}

// An array of dictionaries, each holding "corners".
quip::Token cornerLists(std::initializer_list<quip::Token> corners) {
  quip::Array a(uint32_t(corners.size()));
  uint32_t i = 0;
  for (const quip::Token &c : corners) {
    quip::Dictionary d;
    d.set(sym(L"corners"), c);
    a[i++] = quip::Token(d);
  }
  return quip::Token(a, false);
}

std::vector<int> indices(const mesh::IndexList &list) {
  std::vector<int> out;
  for (uint32_t i = 0; i < list.count(); ++i)
    out.push_back(list[i]);
  return out;
}

// Four corners of a unit square.
quip::Dictionary square() {
  quip::Dictionary d;
  d.set(sym(L"name"), quip::Token(sym(L"square"), false));
  d.set(sym(L"vertexPositions"),
        list({numbers({0, 0, 0}), numbers({0, 1, 0}), numbers({1, 0, 0}), numbers({1, 1, 0})}));
  return d;
}

struct ShapeTest : testing::Test {
  Database database{sym(L"shapes"), String(L".")};
};

} // namespace

TEST_F(ShapeTest, ReadingTheDictionary) {
  Shape s;
  EXPECT_EQ(s.vertexCount(), 0u);
  EXPECT_EQ(s.blend, video::BLEND_NORMAL);
  EXPECT_EQ(s.scale.x, 1.0f);
  quip::Dictionary d = square();
  d.set(sym(L"position"), numbers({5, 6}));
  d.set(sym(L"scale"), numbers({2, 3}));
  d.set(sym(L"rotation"), quip::Token(45.0f));
  d.set(sym(L"color"), numbers({1, 0, 0, 0.5f}));
  d.set(sym(L"blend"), quip::Token(sym(L"additive"), false));
  d.set(sym(L"textureStyle"), quip::Token(sym(L"addColor"), false));
  d.set(sym(L"strips"), cornerLists({numbers({0, 1, 2, 3})}));
  d.set(sym(L"fans"), cornerLists({numbers({0, 1, 3}), numbers({2, 3, 1})}));
  s.read(database, d);
  EXPECT_EQ(s.name, sym(L"square"));
  ASSERT_EQ(s.vertexCount(), 4u);
  // No colours given: all white.
  for (uint32_t i = 0; i < 4; ++i)
    EXPECT_TRUE(s.vertexColor(i) == math::Color::white);
  EXPECT_EQ(s.vertexPosition(3), math::Vector3(1, 1, 0));
  EXPECT_EQ(s.position.x, 5.0f);
  EXPECT_EQ(s.scale.y, 3.0f);
  EXPECT_EQ(s.rotation, 45.0f);
  EXPECT_EQ(s.color.a, 0.5f);
  EXPECT_EQ(s.blend, video::BLEND_ADDITIVE);
  EXPECT_EQ(s.textureStyle, video::textureStyle::ADD_COLOR);
  ASSERT_EQ(s.strips().size(), 1u);
  EXPECT_EQ(indices(*s.strips()[0]), (std::vector<int>{0, 1, 2, 3}));
  ASSERT_EQ(s.fans().size(), 2u);
  EXPECT_EQ(s.fans()[1]->primitive, uint32_t(video::PRIMITIVE_TRIANGLE_FAN));

  // Reading "strips" again replaces them; a blend of no known name and a
  // position of another form are left as they were.
  quip::Dictionary again;
  again.set(sym(L"strips"), cornerLists({numbers({3, 2, 1}), numbers({0, 1, 2})}));
  again.set(sym(L"blend"), quip::Token(sym(L"glowing"), false));
  again.set(sym(L"position"), quip::Token(7.0f));
  s.read(database, again);
  ASSERT_EQ(s.strips().size(), 2u);
  EXPECT_EQ(indices(*s.strips()[0]), (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(s.fans().size(), 2u);
  EXPECT_EQ(s.blend, video::BLEND_ADDITIVE);
  EXPECT_EQ(s.position.x, 5.0f);
}

TEST_F(ShapeTest, ColoursAndCoordinatesPastTheVerticesAreCutOff) {
  quip::Dictionary d = square();
  d.set(sym(L"vertexColors"),
        list({numbers({1, 0, 0, 1}), numbers({0, 1, 0, 1}), numbers({0, 0, 1, 1}),
              numbers({1, 1, 0, 1}), numbers({0, 1, 1, 1}), numbers({1, 0, 1, 1})}));
  d.set(sym(L"uvs"), list({numbers({0, 1}), numbers({0, 0}), numbers({1, 1}), numbers({1, 0}),
                           numbers({9, 9}), numbers({9, 9}), numbers({9, 9})}));
  Shape s;
  s.read(database, d);
  ASSERT_EQ(s.vertexCount(), 4u);
  EXPECT_EQ(s.vertexColor(3).g, 1.0f);
  EXPECT_EQ(s.vertexColor(3).b, 0.0f);
  EXPECT_EQ(s.uv(3).x, 1.0f);
  // Fewer than the vertices fill only the first ones.
  quip::Dictionary fewer = square();
  fewer.set(sym(L"vertexColors"), list({numbers({1, 0, 0, 1})}));
  s.read(database, fewer);
  EXPECT_EQ(s.vertexColor(0).g, 0.0f);
  EXPECT_TRUE(s.vertexColor(1) == math::Color::white);
}

TEST_F(ShapeTest, ListsNamingMissingVerticesAreDroppedWithAWarning) {
  struct Case {
    const char *what;
    quip::Token corners;
  } cases[] = {
      {"at the vertex count", numbers({0, 1, 4})},
      {"past it", numbers({0, 1, 2, 70000})},
      {"negative", numbers({0, -1, 2})},
      {"not a number", list({quip::Token(1.0f), quip::Token(sym(L"two"), false)})},
  };
  for (const Case &c : cases) {
    quip::Dictionary d = square();
    d.set(sym(L"strips"), cornerLists({numbers({0, 1, 2}), c.corners}));
    d.set(sym(L"fans"), cornerLists({c.corners}));
    Shape s;
    testing::internal::CaptureStderr();
    s.read(database, d);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("WARNING"), std::string::npos) << c.what;
    EXPECT_NE(err.find("square"), std::string::npos) << c.what;
    ASSERT_EQ(s.strips().size(), 1u) << c.what;
    EXPECT_EQ(indices(*s.strips()[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(s.fans().isEmpty()) << c.what;
  }
}

TEST_F(ShapeTest, GridsStripsAndBounds) {
  std::unique_ptr<Shape> grid(Shape::createGrid(2, 2));
  ASSERT_TRUE(grid);
  ASSERT_EQ(grid->vertexCount(), 4u);
  const float expected[4][4] = {{-1, -1, 0, 1}, {1, -1, 1, 1}, {-1, 1, 0, 0}, {1, 1, 1, 0}};
  for (uint32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(grid->vertexPosition(i), math::Vector3(expected[i][0], expected[i][1], 0));
    EXPECT_EQ(grid->uv(i).x, expected[i][2]);
    EXPECT_EQ(grid->uv(i).y, expected[i][3]);
    EXPECT_TRUE(grid->vertexColor(i) == math::Color::white);
  }
  ASSERT_EQ(grid->strips().size(), 1u);
  EXPECT_EQ(indices(*grid->strips()[0]), (std::vector<int>{0, 2, 1, 3}));
  std::unique_ptr<Shape> tall(Shape::createGrid(3, 2));
  EXPECT_EQ(tall->strips().size(), 2u);
  EXPECT_EQ(tall->vertexPosition(2).y, 0.0f);

  std::unique_ptr<Shape> strip(Shape::createStrip(3));
  ASSERT_EQ(strip->vertexCount(), 6u);
  EXPECT_EQ(strip->vertexPosition(2), math::Vector3(0.5f, 1, 0));
  EXPECT_EQ(strip->uv(3).y, 0.0f);
  EXPECT_EQ(indices(*strip->strips()[0]), (std::vector<int>{0, 1, 2, 3, 4, 5}));

  // One row, one column or one step would divide by zero: refused.
  EXPECT_EQ(Shape::createGrid(1, 4), nullptr);
  EXPECT_EQ(Shape::createGrid(4, 1), nullptr);
  EXPECT_EQ(Shape::createGrid(0, 0), nullptr);
  EXPECT_EQ(Shape::createStrip(1), nullptr);
  EXPECT_EQ(Shape::createStrip(0), nullptr);
  EXPECT_EQ(Shape::createGrid(300, 300), nullptr); // past 16-bit indices

  Shape one;
  math::Rectangle none = one.boundingRectangle();
  EXPECT_EQ(none.width + none.height + none.x + none.y, 0.0f);
  one.setVertexCount(1);
  one.vertexPosition(0) = math::Vector3(3, 4, 0);
  math::Rectangle r = one.boundingRectangle();
  EXPECT_EQ(r.x, 3.0f);
  EXPECT_EQ(r.y, 4.0f);
  EXPECT_EQ(r.width, 0.0f);
  EXPECT_EQ(r.height, 0.0f);
  r = grid->boundingRectangle();
  EXPECT_EQ(r.x, -1.0f);
  EXPECT_EQ(r.width, 2.0f);

  grid->offsetUVs(math::Vector2(0.5f, 0.25f));
  EXPECT_EQ(grid->uv(3).x, 1.5f);
  EXPECT_EQ(grid->uv(3).y, 0.25f);
  // Without a texture only the colour decides.
  EXPECT_TRUE(grid->drawsOpaque(0));
  grid->color.a = 0.9f;
  EXPECT_FALSE(grid->drawsOpaque(0));
}

TEST_F(ShapeTest, TheCanvasDrawsStripsAndFans) {
  RecordingCanvas canvas;
  Shape s;
  s.setVertexCount(5);
  const math::Vector3 at[5] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {-1, 1, 0}};
  for (uint32_t i = 0; i < 5; ++i) {
    s.vertexPosition(i) = at[i];
    s.uv(i) = math::Vector2(float(i), 0);
  }
  s.vertexColor(1) = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  s.color = math::Color(0.5f, 1.0f, 1.0f, 1.0f);
  s.position = math::Vector2(10, 20);
  s.scale = math::Vector2(2, 2);
  s.blend = video::BLEND_ADDITIVE;
  // A strip of two draws nothing, of three one triangle; a fan of five is
  // drawn as a fan.
  auto add = [](container::Vector<mesh::IndexList *> &lists, uint32_t primitive,
                std::initializer_list<int> corners) {
    auto *list = new mesh::IndexList(primitive);
    list->resize(uint32_t(corners.size()));
    uint32_t i = 0;
    for (int c : corners)
      (*list)[i++] = static_cast<unsigned short>(c);
    lists.push(list);
  };
  add(s.strips(), video::PRIMITIVE_TRIANGLE_STRIP, {0, 1});
  add(s.strips(), video::PRIMITIVE_TRIANGLE_STRIP, {0, 1, 2});
  add(s.fans(), video::PRIMITIVE_TRIANGLE_FAN, {0, 1, 2, 3, 4});
  add(s.fans(), video::PRIMITIVE_TRIANGLE_FAN, {0, 1, 9}); // no vertex 9
  s.render(canvas);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  const DrawnPrimitive &triangle = canvas.drawn[0], &fan = canvas.drawn[1];
  EXPECT_EQ(triangle.primitive, video::PRIMITIVE_TRIANGLE_STRIP);
  EXPECT_EQ(triangle.vertexCount(), 3);
  EXPECT_EQ(fan.primitive, video::PRIMITIVE_TRIANGLE_FAN);
  EXPECT_EQ(fan.vertexCount(), 5);
  // Vertex colours modulated by the shape's colour.
  EXPECT_EQ(triangle.color(0).r, 127);
  EXPECT_EQ(triangle.color(1).r, 127);
  EXPECT_EQ(triangle.color(1).g, 0);
  EXPECT_EQ(fan.texCoord(4).x, 4.0f);
  // Placed by the shape's position and scale.
  math::Vector3 corner = fan.placed(2);
  EXPECT_NEAR(corner.x, 12.0f, 1e-5f);
  EXPECT_NEAR(corner.y, 22.0f, 1e-5f);
  EXPECT_TRUE(fan.blending);
  EXPECT_EQ(fan.blendMode, video::BLEND_ADDITIVE);
  EXPECT_FALSE(fan.depthTest);
  // The stacks are as they were.
  EXPECT_EQ(canvas.colorStackSize(), 0u);
  EXPECT_TRUE(canvas.matrix(video::Canvas::MODEL) == math::Matrix4());

  // Untextured: in shape mode, the texture back afterwards.
  s.texture = reinterpret_cast<Texture *>(uintptr_t(0x1000));
  canvas.drawn.clear();
  s.drawUntextured(canvas);
  EXPECT_EQ(canvas.drawn[0].texture, nullptr);
  EXPECT_FALSE(canvas.shapeMode());
  EXPECT_EQ(s.texture, reinterpret_cast<Texture *>(uintptr_t(0x1000)));
  canvas.drawn.clear();
  s.render(canvas);
  EXPECT_EQ(canvas.drawn[0].texture, s.texture);
}

TEST_F(ShapeTest, TheManagerKeepsShapesByName) {
  shape::ShapeManager manager(&database);
  for (const wchar_t *name : {L"bigRedBox", L"redCircle", L"box"}) {
    quip::Dictionary d;
    d.set(sym(L"name"), quip::Token(sym(name), false));
    manager.defineShape(d);
  }
  container::Vector<Symbol> found = manager.findNames(String(L"red box"));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], sym(L"bigRedBox"));
  EXPECT_EQ(manager.findNames(String()).size(), 3u);
  // A second definition of a name replaces the first.
  quip::Dictionary d = square();
  d.set(sym(L"name"), quip::Token(sym(L"box"), false));
  Shape *second = manager.defineShape(d);
  EXPECT_EQ(manager.find(sym(L"box")), second);
  EXPECT_EQ(manager.count(), 3u);
  EXPECT_EQ(manager.find(sym(L"none")), nullptr);
  manager.remove(sym(L"box"));
  EXPECT_FALSE(manager.contains(sym(L"box")));
  manager.clear();
  EXPECT_EQ(manager.count(), 0u);
}

TEST_F(ShapeTest, AScriptDefinesTheShapes) {
  testing_support::TempFolder folder;
  folder.write("shapes.!", "(name: one: vertexPositions: [[0 0 0] [1 0 0] [0 1 0]]\n"
                           " strips: [(corners: [0 1 2])]) defineShape\n"
                           "(name: two:) defineShape\n");
  shape::ShapeManager manager(&database);
  manager.loadSource(folder.wide() + L"/shapes.!");
  EXPECT_EQ(manager.count(), 2u);
  ASSERT_TRUE(manager.contains(sym(L"one")));
  EXPECT_EQ(manager.find(sym(L"one"))->strips().size(), 1u);
  // The manager made for the load is gone again.
  EXPECT_EQ(database.scriptManagers().find(sym(L"framework")), nullptr);
  // A second load starts afresh.
  folder.write("shapes.!", "(name: three:) defineShape\n");
  manager.loadSource(folder.wide() + L"/shapes.!");
  EXPECT_EQ(manager.count(), 1u);
  EXPECT_TRUE(manager.contains(sym(L"three")));
}

TEST_F(ShapeTest, TheBuiltinFailsWithoutADictionaryOrAManager) {
  quip::ScriptManager scripts(database.scriptManagers(), sym(L"framework"));
  quip::registerBuiltin(scripts.builtins(), L"defineShape", shape::builtin_defineShape);
  struct Case {
    const wchar_t *script;
    const char *message;
  } cases[] = {
      {L"5 defineShape", "builtin_defineShape"},
      {L"defineShape", "stack underflow"},
      // No manager: this database is not the engine's, and none is loading.
      {L"(name: lost:) defineShape", "no shape manager"},
  };
  for (const Case &c : cases) {
    ASSERT_TRUE(scripts.defineProcedure(String(c.script), sym(L"run")));
    quip::setDiagnostics(true);
    testing::internal::CaptureStdout();
    scripts.runNamed(sym(L"run"));
    std::string err = testing::internal::GetCapturedStdout();
    quip::setDiagnostics(false);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
  }
}
