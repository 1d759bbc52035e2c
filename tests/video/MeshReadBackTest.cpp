// Meshes drawn on a real GLES 1.1 context under a perspective camera and
// read back at probe points.

#include "support/GLFixture.h"

#include "camera/Camera.h"
#include "mesh/Mesh.h"
#include "mesh/MeshBuilders.h"
#include "mesh/MeshDefinition.h"
#include "physics/Sphere.h"
#include "video/BufferObject.h"

#include <memory>

namespace {

struct MeshReadBack : gltest::CanvasFixture {
  void SetUp() override {
    gltest::CanvasFixture::SetUp();
    canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
    camera.setPosition(math::Vector3(0, 0, 6));
    camera.apply(*canvas);
  }
  void TearDown() override {
    camera.release(*canvas);
    gltest::CanvasFixture::TearDown();
  }

  // A box of half size 1 in one colour.
  static mesh::MeshDefinition *coloredBox(const math::PackedColor &color) {
    mesh::MeshDefinition *box = mesh::meshBuildBox(mesh::MESH_COLORS, {1, 1, 1}, false);
    for (uint32_t i = 0; i < box->vertexCount(); ++i)
      box->color(i) = color;
    return box;
  }

  Camera camera;
};

void expectRgb(int x, int y, int r, int g, int b) {
  gltest::Rgba p = gltest::glPixel(x, y);
  EXPECT_EQ(p.r, r) << "at " << x << "," << y;
  EXPECT_EQ(p.g, g) << "at " << x << "," << y;
  EXPECT_EQ(p.b, b) << "at " << x << "," << y;
}

} // namespace

TEST_F(MeshReadBack, ABoxFromBufferObjects) {
  std::unique_ptr<mesh::MeshDefinition> box(coloredBox(math::PackedColor(255, 0, 0, 255)));
  mesh::Mesh m(box.get());
  canvas->drawMesh(m);
  expectRgb(160, 240, 255, 0, 0);
  expectRgb(160, 320, 255, 0, 0);
  expectRgb(20, 20, 0, 0, 0);
  expectRgb(160, 470, 0, 0, 0);
  video::BufferObject *positions = box->buffer(mesh::ARRAY_POSITIONS);
  ASSERT_NE(positions, nullptr);
  EXPECT_NE(positions->name(), 0u);
  ASSERT_NE(box->buffer(mesh::ARRAY_COLORS), nullptr);
  EXPECT_EQ(box->buffer(mesh::ARRAY_NORMALS), nullptr);
  video::BufferObject *elements = box->part(0).indexLists[0]->elementBuffer;
  ASSERT_NE(elements, nullptr);
  uint32_t name = elements->name();
  EXPECT_NE(name, 0u);
  EXPECT_FALSE(canvas->sentColorValid()); // a colour array was used

  // Again: the same buffers, only bound.
  canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  canvas->drawMesh(m);
  expectRgb(160, 240, 255, 0, 0);
  EXPECT_EQ(box->buffer(mesh::ARRAY_POSITIONS), positions);
  EXPECT_EQ(elements->name(), name);

  // New colours reach the GL once the buffers are released.
  for (uint32_t i = 0; i < box->vertexCount(); ++i)
    box->color(i) = math::PackedColor(0, 255, 0, 255);
  box->releaseBuffers();
  EXPECT_EQ(positions->name(), 0u);
  canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  canvas->drawMesh(m);
  expectRgb(160, 240, 0, 255, 0);
  EXPECT_NE(positions->name(), 0u);

  // The arrays are off and nothing is left bound afterwards.
  EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
  EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
  GLint bound = -1;
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
  EXPECT_EQ(bound, 0);
  glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &bound);
  EXPECT_EQ(bound, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(MeshReadBack, WithoutBufferObjectsThroughTheVertexRenderer) {
  std::unique_ptr<mesh::MeshDefinition> box(coloredBox(math::PackedColor(0, 0, 255, 255)));
  box->useBufferObjects = false;
  mesh::Mesh m(box.get());
  canvas->pushMatrix();
  canvas->translate(-1.5f, 0.0f, 0.0f);
  canvas->drawMesh(m);
  canvas->popMatrix();
  // Left of the middle only.
  expectRgb(100, 240, 0, 0, 255);
  expectRgb(230, 240, 0, 0, 0);
  EXPECT_EQ(box->buffer(mesh::ARRAY_POSITIONS), nullptr);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(MeshReadBack, ListsNamingMissingVerticesAreLeftOut) {
  std::unique_ptr<mesh::MeshDefinition> box(coloredBox(math::PackedColor(255, 255, 255, 255)));
  // The front face names a vertex past the end; the others still draw.
  (*box->part(0).indexLists[0])[3] = 500;
  mesh::Mesh m(box.get());
  canvas->drawMesh(m);
  box->useBufferObjects = false;
  canvas->drawMesh(m);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  // A definition without vertices or parts draws nothing.
  mesh::MeshDefinition empty(Symbol::intern(L"empty"), mesh::MESH_PLAIN, false, false);
  mesh::Mesh none(&empty);
  canvas->drawMesh(none);
  EXPECT_EQ(empty.buffer(mesh::ARRAY_POSITIONS), nullptr);
}

TEST_F(MeshReadBack, ASphereOfTheDebugView) {
  physics::Sphere sphere(math::Vector3(0, 0, 0), 1.5f);
  canvas->drawGeometry(sphere);
  // The cached sphere in the debug tint (0.3, 0.8, 1) at alpha 0.3 over black.
  gltest::Rgba middle = gltest::glPixel(160, 240);
  EXPECT_NEAR(middle.r, 23, 3);
  EXPECT_NEAR(middle.g, 61, 3);
  EXPECT_NEAR(middle.b, 76, 3);
  gltest::Rgba inside = gltest::glPixel(160 + 30, 240 + 20);
  EXPECT_NEAR(inside.b, 76, 4);
  expectRgb(160 + 150, 240, 0, 0, 0);
  expectRgb(160, 470, 0, 0, 0);
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
