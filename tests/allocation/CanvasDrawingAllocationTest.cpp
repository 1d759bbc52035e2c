// A frame of the canvas's immediate drawing allocates nothing once its first
// frame has made the cached meshes, the buffer objects, the draw list's
// records and the vertex arrays' storage.

#include "support/AllocationCount.h"
#include "support/GLFixture.h"

#include "camera/Camera.h"
#include "container/Vector.h"
#include "mesh/Mesh.h"
#include "mesh/MeshBuilders.h"
#include "mesh/MeshDefinition.h"
#include "physics/Sphere.h"
#include "shape/Shape.h"
#include "video/DrawList.h"
#include "video/RenderList.h"
#include "video/RibbonRenderPass.h"

#include <memory>

namespace {

struct Late : video::LateRenderable {
  float key;
  explicit Late(float key) : key(key) {}
  float renderKey() const override { return key; }
  void renderLate(video::Canvas &canvas) override {
    canvas.fillRect(0, 0, 4, 4, math::Color::white, video::BLEND_NORMAL);
  }
};

} // namespace

TEST(CanvasDrawing, AFrameAfterTheFirstAllocatesNothing) {
  gltest::resetWindow();
  video::OpenGLCanvas &canvas = gltest::canvas();
  container::Vector<math::Vector3> wave;
  for (int i = 0; i < 200; ++i)
    wave.push(math::Vector3(float(i), 100.0f + float(i % 7), 0.0f));
  video::RibbonRenderPass pass;
  pass.alignment = video::RIBBON_XY;
  std::unique_ptr<shape::Shape> grid(shape::Shape::createGrid(4, 4));
  grid->scale = math::Vector2(50, 50);
  std::unique_ptr<mesh::MeshDefinition> box(mesh::meshBuildBox(mesh::MESH_COLORS, {1, 1, 1}, true));
  mesh::Mesh boxMesh(box.get());
  physics::Sphere sphere(math::Vector3(0, 0, 0), 1.0f);
  Camera camera;
  camera.setPosition(math::Vector3(0, 0, 8));
  Late first(2.0f), second(1.0f);

  auto frame = [&] {
    canvas.beginFrame();
    canvas.resetMatrices();
    canvas.setScreenProjection(320.0f, 480.0f);
    canvas.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
    for (int i = 0; i < 20; ++i)
      canvas.fillRect(float(i) * 10, 0, 8, 8, math::Color::red, video::BLEND_NORMAL);
    canvas.strokeRect(20, 20, 100, 50, 2, math::Color::green);
    canvas.drawCircle(30, math::Color::blue, 1);
    canvas.drawPolylineRibbon(wave, pass);
    grid->render(canvas);
    camera.apply(canvas);
    canvas.drawMesh(boxMesh);
    canvas.drawGeometry(sphere);
    for (int i = 0; i < 5; ++i) {
      video::DrawList::Line &line = canvas.drawList().nextLine();
      line.start = math::Vector3(float(i), 0, 0);
      line.end = math::Vector3(float(i), 1, 0);
    }
    canvas.addToRenderList(&first);
    canvas.addToRenderList(&second);
    canvas.renderRenderList();
    canvas.clearRenderList();
    canvas.drawList().render(canvas);
    camera.release(canvas);
    canvas.flush();
  };
  frame();
  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 3; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
