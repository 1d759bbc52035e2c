// One frame of scene surfaces through the OpenGL canvas in the headless
// OpenGL ES 1.1 context (llvmpipe on a pbuffer): a 64 x 64 terrain of two
// layers, water of resolution 16 with one patch, and an 8 x 8 lit cloth,
// seen by a perspective camera. Reports the time of a frame (the CPU time
// is the engine's and the GL's on this thread; the rasteriser runs on its
// own threads) and the heap allocations made in frames after the first,
// which must be none.

#include "support/AllocationCounter.h"

#include "camera/Camera.h"
#include "cloth/Cloth.h"
#include "terrain/Grid.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"
#include "water/Water.h"

#include <GLES/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Scene {
  video::OpenGLCanvas *canvas = nullptr;
  terrain::Grid grid;
  water::Water water;
  cloth::Cloth cloth{8, 8, math::Vector3(1, 1, 1)};
  Camera camera;

  Scene() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
    canvas = new video::OpenGLCanvas;
    video::Canvas::setInstance(canvas);
    auto *window = new video::OpenGLWindow;
    video::Window::setInstance(window);
    window->create(math::Vector2i(320, 480), false, true, false);

    terrain::Layer &ground = grid.addLayer();
    terrain::Layer &grass = grid.addLayer();
    ground.renderPass.lit = false;
    grass.renderPass.lit = false;
    HeightMap *map = new HeightMap(math::Size2i(64, 64), math::Vector3(2, 1, 2));
    for (int i = 0; i < 64; ++i)
      for (int j = 0; j < 64; ++j)
        map->setHeight(i, j, 2.0f + std::sin(float(i) * 0.3f) * std::cos(float(j) * 0.2f));
    grid.setHeightMap(map);
    for (uint32_t k = 0; k < ground.colors.size(); ++k) {
      ground.colors[k] = math::Color(0.5f, 0.4f, 0.3f, 1.0f);
      grass.colors[k] = math::Color(0.1f, 0.7f, 0.1f, float(k % 7) / 7.0f);
    }

    video::RenderPass *surface = new video::RenderPass;
    surface->lit = false;
    surface->color = math::Color(0.1f, 0.3f, 0.8f, 0.6f);
    water.addRenderPass(surface);
    water.tesselation = 16;
    water::Decal &decal = water.addDecal(new water::Decal);
    decal.renderPass.lit = false;
    decal.extents = math::Vector3(4, 0, 4);

    cloth.setColor(math::Color(0.8f, 0.2f, 0.2f, 1.0f));
    camera.setPosition(math::Vector3(0, 40, 90));
    camera.setRotation(math::Vector3(1, 0, 0), -25);
    camera.setClipFar(300.0f);
  }

  void frame() {
    canvas->beginFrame();
    canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
    camera.apply(*canvas);
    grid.render(*canvas);
    water.render(*canvas);
    canvas->pushMatrix();
    canvas->translate(0.0f, 10.0f, 40.0f);
    cloth.render(*canvas);
    canvas->popMatrix();
    canvas->renderRenderList();
    canvas->clearRenderList();
    camera.release(*canvas);
    canvas->flush();
    glFinish();
  }
};

Scene &scene() {
  static Scene *s = new Scene;
  return *s;
}

void SceneSurfacesFrame(benchmark::State &state) {
  Scene &s = scene();
  // The first frame makes the buffers and grows the vertex arrays.
  s.frame();
  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state)
    s.frame();
  allocationCounting = false;
  state.counters["allocations_per_frame"] =
      benchmark::Counter(double(allocationCount) / double(state.iterations()));
  state.counters["fps"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(SceneSurfacesFrame)->Unit(benchmark::kMicrosecond);

} // namespace
