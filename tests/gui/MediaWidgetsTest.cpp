// The widgets that place another subsystem's asset on a page: shapes whose
// texture scrolls, ribbons that reveal themselves, particle systems and
// drops that are never culled, and the 3-D scene's viewport and camera.

#include "GuiTestSupport.h"

#include "camera/CameraController.h"
#include "gui/DropWidget.h"
#include "gui/ParticleSystemWidget.h"
#include "gui/Scene.h"
#include "gui/SceneWorld.h"
#include "gui/ShapeWidget.h"
#include "gui/Spline2DWidget.h"
#include "math/Spline2D.h"
#include "shape/Shape.h"
#include "support/RecordingCanvas.h"
#include "video/VertexRenderer.h"

#include <memory>

#include <string>

using namespace guitest;
using framework::InputEvent;

namespace {

class MediaWidgetsTest : public GuiTest {};

TEST_F(MediaWidgetsTest, AShapeTextureScrollsOneStepPerFrameAtAnyFrameRate) {
  for (float dt : {1.0f / 60, 1.0f / 10, 0.5f}) {
    SCOPED_TRACE(dt);
    GUI::ShapeWidget widget;
    auto *shape = new shape::Shape;
    shape->setVertexCount(2);
    shape->uv(1) = math::Vector2(1.0f, 1.0f);
    widget.setShape(shape);
    widget.setScrollTexture(math::Vector2(0.01f, 0.0f));
    for (int frame = 0; frame < 5; ++frame)
      widget.update(dt);
    EXPECT_NEAR(shape->uv(0).x, 0.05f, 1e-6);
    EXPECT_NEAR(shape->uv(1).x, 1.05f, 1e-6);
    EXPECT_EQ(shape->uv(1).y, 1.0f);
  }
}

TEST_F(MediaWidgetsTest, AShapeIsBoundedByItsScaledVerticesAndTinted) {
  GUI::ShapeWidget widget;
  EXPECT_TRUE(widget.localRectangle() == math::Rectangle());
  auto *shape = new shape::Shape;
  shape->setVertexCount(3);
  shape->vertexPosition(0) = math::Vector3(-1, -2, 0);
  shape->vertexPosition(1) = math::Vector3(3, 0, 0);
  shape->vertexPosition(2) = math::Vector3(0, 2, 0);
  shape->strips().push(new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP));
  widget.setShape(shape);
  widget.load(dictionaryOf(L"( scale: [ 2 0.5 ] color: [ 1 0 0 1 ] )"));
  math::Rectangle r = widget.localRectangle();
  EXPECT_EQ(r.x, -2.0f);
  EXPECT_EQ(r.width, 8.0f);
  EXPECT_EQ(r.y, -1.0f);
  EXPECT_EQ(r.height, 2.0f);
  EXPECT_EQ(widget.color().g, 0.0f);
}

TEST_F(MediaWidgetsTest, AShapeWidgetOwnsACopyOfTheNamedShape) {
  shape::Shape original;
  original.setVertexCount(2);
  original.uv(0) = math::Vector2(0.25f, 0.5f);
  original.strips().push(new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP));
  original.strips()[0]->resize(2);
  (*original.strips()[0])[1] = 1;
  original.color = math::Color(0.0f, 1.0f, 0.0f, 1.0f);
  std::unique_ptr<shape::Shape> copy(original.copy());
  ASSERT_EQ(copy->vertexCount(), 2u);
  EXPECT_EQ(copy->uv(0).y, 0.5f);
  ASSERT_EQ(copy->strips().size(), 1u);
  EXPECT_NE(copy->strips()[0], original.strips()[0]);
  EXPECT_EQ((*copy->strips()[0])[1], 1);
  EXPECT_EQ(copy->color.g, 1.0f);
  // Scrolling the copy leaves the original.
  copy->offsetUVs(math::Vector2(1.0f, 0.0f));
  EXPECT_EQ(original.uv(0).x, 0.25f);
}

TEST_F(MediaWidgetsTest, ARevealRunsTheFadeOutAlongTheRibbon) {
  GUI::Spline2DWidget widget;
  widget.load(
      dictionaryOf(L"( action: ( method: beginReveal: revealSpeed: 0.5 revealBuffer: 0.1 ) )"));
  EXPECT_EQ(widget.effect(), GUI::Spline2DWidget::REVEAL);
  struct Step {
    float until;
    float start, end;
  };
  // Revealed over two seconds; then it stays whole.
  const Step steps[] = {
      {0.0f, 0.0f, 0.1f}, {1.0f, 0.5f, 0.6f}, {1.8f, 0.9f, 1.0f},
      {2.0f, 1.0f, 1.0f}, {3.0f, 1.0f, 1.0f},
  };
  float time = 0.0f;
  for (const Step &s : steps) {
    SCOPED_TRACE(s.until);
    for (; time < s.until - 1e-4f; time += 0.1f)
      widget.update(0.1f);
    EXPECT_NEAR(widget.format().fadeOutStart, s.start, 1e-4);
    EXPECT_NEAR(widget.format().fadeOutEnd, s.end, 1e-4);
  }
  widget.load(dictionaryOf(L"( action: ( method: removeEffect: ) )"));
  EXPECT_EQ(widget.effect(), GUI::Spline2DWidget::NONE);
  EXPECT_EQ(widget.format().fadeOutStart, 1.0f);
  EXPECT_EQ(widget.format().fadeOutEnd, 1.0f);
}

TEST_F(MediaWidgetsTest, ABeginRevealWithoutItsNumbersIsReportedAndChangesNothing) {
  GUI::Spline2DWidget widget;
  testing::internal::CaptureStderr();
  widget.load(dictionaryOf(L"( action: ( method: beginReveal: revealSpeed: 0.5 ) )"));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("revealBuffer"), std::string::npos) << err;
  EXPECT_EQ(widget.effect(), GUI::Spline2DWidget::NONE);
  EXPECT_EQ(widget.format().fadeOutStart, 1.0f);
  // Keys and effect names.
  widget.load(dictionaryOf(L"( effect: reveal: revealSpeed: 2 revealBuffer: 0.3 )"));
  EXPECT_EQ(widget.effect(), GUI::Spline2DWidget::REVEAL);
  EXPECT_EQ(widget.revealSpeed(), 2.0f);
  widget.load(dictionaryOf(L"( effect: sideways: )"));
  EXPECT_EQ(widget.effect(), GUI::Spline2DWidget::REVEAL);
}

TEST_F(MediaWidgetsTest, ASplineOfAnUnknownTypeLeavesNoSpline) {
  GUI::Spline2DWidget widget;
  widget.load(dictionaryOf(
      L"( spline: ( type: catmullRom2D: points: [ [ 0 0 ] [ 10 0 ] [ 20 5 ] [ 30 0 ] ] ) )"));
  ASSERT_NE(widget.spline(), nullptr);
  widget.load(dictionaryOf(L"( spline: ( type: wiggly: ) )"));
  EXPECT_EQ(widget.spline(), nullptr);
  EXPECT_TRUE(widget.localRectangle() == math::Rectangle());
  testing_support::RecordingCanvas canvas;
  widget.draw(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
}

TEST_F(MediaWidgetsTest, ParticleSystemsAndDropsAreNeverCulled) {
  GUI::ParticleSystemWidget particles;
  GUI::DropWidget drop;
  GUI::ShapeWidget shape;
  EXPECT_FALSE(particles.isCullable());
  EXPECT_FALSE(drop.isCullable());
  EXPECT_TRUE(shape.isCullable());
  // Without their asset they update and draw nothing.
  testing_support::RecordingCanvas canvas;
  for (GUI::Widget *w :
       {static_cast<GUI::Widget *>(&particles), static_cast<GUI::Widget *>(&drop)}) {
    w->update(0.1f);
    w->draw(canvas);
  }
  EXPECT_TRUE(canvas.drawn.empty());
  // A drop name the factory does not hold is reported.
  testing::internal::CaptureStderr();
  drop.load(dictionaryOf(L"( drop: nowhere: )"));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("nowhere"), std::string::npos) << err;
  EXPECT_EQ(drop.drop(), nullptr);
}

// A world that notes its drawing and a controller that notes its events.
class NotingController : public CameraController {
public:
  void attach(Camera &) override { note("attach"); }
  bool handleEvent(Camera &, const InputEvent &event) override {
    note("controller:" + std::to_string(event.kind));
    return true;
  }
};

class NotingWorld : public GUI::SceneWorld {
public:
  NotingWorld() { m_controllers.put(Symbol::intern(L"orbit"), &controller); }
  CameraControllerTable &cameraControllers() override { return m_controllers; }
  void renderScene(video::Canvas &canvas) override {
    note(std::string("render") + (controller.isActive() ? ":active" : "") +
         (canvas.camera() ? ":camera" : ""));
  }
  NotingController controller;

private:
  CameraControllerTable m_controllers;
};

NotingWorld *g_world = nullptr;

class SceneTest : public GuiTest {
protected:
  ~SceneTest() override { GUI::setSceneWorldFinder(nullptr); }

  GUI::Scene *addScene() {
    page = shownPage();
    scene = new GUI::Scene;
    scene->load(dictionaryOf(L"( viewport: [ 100 100 100 100 ] camera: ( controller: orbit: ) )"));
    page->addChild(scene);
    return scene;
  }
  void withWorld() {
    GUI::setSceneWorldFinder([](Database &) -> GUI::SceneWorld * { return g_world; });
    g_world = &world;
  }
  bool send(uint32_t kind, int x, int y) { return page->handleEvent(pointer(kind, x, y)); }

  NotingWorld world;
  GUI::Page *page = nullptr;
  GUI::Scene *scene = nullptr;
};

TEST_F(SceneTest, WithoutAWorldItDrawsNothing) {
  addScene();
  testing_support::RecordingCanvas canvas;
  scene->draw(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
  EXPECT_EQ(canvas.camera(), nullptr);
  EXPECT_EQ(window->viewportCount(), 0u);
  math::Rectangle r = scene->localRectangle();
  EXPECT_EQ(r.x, 100.0f);
  EXPECT_EQ(r.width, 100.0f);
  // Events still take the capture, but no controller takes them.
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 150, 150));
  EXPECT_EQ(page->pointerCapture(), scene);
  EXPECT_EQ(g_log, "");
}

TEST_F(SceneTest, TheWorldDrawsThroughTheCameraWithItsControllerInUse) {
  withWorld();
  addScene();
  testing_support::RecordingCanvas canvas;
  scene->draw(canvas);
  EXPECT_EQ(g_log, "attach render:active:camera ");
  EXPECT_FALSE(world.controller.isActive());
  EXPECT_EQ(canvas.camera(), nullptr);
  EXPECT_EQ(window->viewportCount(), 0u);
}

TEST_F(SceneTest, ADragThatStartsInsideFeedsTheControllerUntilTheRelease) {
  withWorld();
  addScene();
  // Outside the viewport nothing is taken.
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 20, 20));
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 150, 150));
  EXPECT_EQ(g_log, "");
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 150, 150));
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 20, 20));
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 300, 400));
  // The release ends the capture before the controller would see it.
  EXPECT_FALSE(send(InputEvent::BUTTON_UP, 300, 400));
  EXPECT_EQ(page->pointerCapture(), nullptr);
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 150, 150));
  EXPECT_EQ(g_log, "controller:1 controller:0 controller:0 ");
}

TEST_F(SceneTest, ACameraWithoutAControllerTakesNoEvents) {
  withWorld();
  addScene();
  scene->camera().setController(Symbol());
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 150, 150));
  EXPECT_EQ(page->pointerCapture(), scene);
  scene->camera().setController(Symbol::intern(L"elsewhere"));
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 150, 150));
  EXPECT_EQ(g_log, "");
}

} // namespace
