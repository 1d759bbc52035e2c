// One frame of the canvas's immediate primitives in the headless OpenGL ES
// context: 100 filled rectangles, a polyline ribbon of 1,000 points and ten
// debug spheres from the canvas's cached mesh. Reports the CPU time of a
// frame (the engine's work and the GL's taking of the vertices; the wait for
// the rasteriser is timed apart as finish_us) and the heap allocations made
// after the first frame, which must be none.

#include "container/Vector.h"
#include "support/AllocationCount.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"
#include "video/RenderKeywords.h"
#include "video/RibbonRenderPass.h"

#include <GLES/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

// The program's canvas and window, made here when no other benchmark made
// them first.
video::OpenGLCanvas &glCanvas() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (!SDL_WasInit(SDL_INIT_VIDEO))
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
  if (!video::Canvas::instance() || !video::Canvas::instance()->asOpenGLCanvas())
    video::Canvas::setInstance(new video::OpenGLCanvas);
  video::Window *window = video::Window::instance();
  if (!window || !window->asOpenGLWindow() || !window->asOpenGLWindow()->created()) {
    auto *made = new video::OpenGLWindow;
    video::Window::setInstance(made);
    made->create(math::Vector2i(320, 480), false, true, false);
  }
  return *video::Canvas::instance()->asOpenGLCanvas();
}

struct Frame {
  container::Vector<math::Vector3> ribbon;
  video::RibbonRenderPass pass;

  Frame() {
    // A wave across the screen.
    for (int i = 0; i < 1000; ++i) {
      float x = 10.0f + 0.3f * float(i);
      ribbon.push(math::Vector3(x, 240.0f + 100.0f * std::sin(x / 20.0f), 0.0f));
    }
    pass.alignment = video::RIBBON_XY;
    pass.lineWidthStart = 1.0f;
    pass.lineWidthEnd = 8.0f;
    pass.cull = false;
    pass.depthTest = false;
    pass.depthWrite = false;
    pass.color = math::Color(1.0f, 0.8f, 0.2f, 1.0f);
  }

  void draw(video::OpenGLCanvas &canvas) {
    for (int i = 0; i < 100; ++i) {
      float x = float(i % 10) * 32.0f, y = float(i / 10) * 48.0f;
      const math::Color color(float(i % 10) / 10.0f, float(i / 10) / 10.0f, 0.5f,
                              i % 3 ? 1.0f : 0.5f);
      canvas.fillRect(x, y, 30.0f, 46.0f, color, video::BLEND_NORMAL);
    }
    canvas.drawPolylineRibbon(ribbon, pass);
    canvas.pushColor();
    canvas.multiplyColor(math::Color(0.3f, 0.8f, 1.0f, 0.3f));
    for (int i = 0; i < 10; ++i)
      canvas.drawSphere(math::Vector3(30.0f + 28.0f * float(i), 400.0f, 0.0f), 14.0f, true);
    canvas.popColor();
  }
};

void BM_PrimitivesFrame(benchmark::State &state) {
  video::OpenGLCanvas &canvas = glCanvas();
  Frame frame;
  auto setUp = [&] {
    canvas.beginFrame();
    canvas.resetMatrices();
    canvas.setScreenProjection(320.0f, 480.0f);
    canvas.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  };
  // The first frame makes the cached meshes and grows the vertex arrays.
  setUp();
  frame.draw(canvas);
  canvas.endFrame();

  double finish = 0;
  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state) {
    setUp();
    frame.draw(canvas);
    canvas.flush();
    Clock::time_point submitted = Clock::now();
    glFinish();
    finish += std::chrono::duration<double>(Clock::now() - submitted).count();
    canvas.endFrame();
  }
  allocationCounting = false;
  double frames = double(state.iterations());
  state.counters["allocations_per_frame"] = double(allocationCount) / frames;
  state.counters["finish_us"] = finish / frames * 1e6;
}
BENCHMARK(BM_PrimitivesFrame)->Unit(benchmark::kMicrosecond);

} // namespace
