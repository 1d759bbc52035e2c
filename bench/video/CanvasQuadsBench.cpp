// 500 textured, blended 32 x 32 quads a frame through the canvas in the
// headless OpenGL ES context (llvmpipe on a pbuffer), the sprites moved on the
// CPU each frame. The wall time of a frame includes the rasteriser, which
// runs on its own threads; the counters split the frame into the engine's
// work collecting vertices (fill_us), the GL's work taking them
// (submit_us) and the wait for the rasteriser to finish (finish_us). The
// billboard runs go through the canvas's own entry point, admission and
// corner placement included, and count the batch submissions of a frame.

#include "platform/GLContext.h"
#include "video/BillboardQuad.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"
#include "video/QuadBatch.h"
#include "video/RenderPass.h"
#include "video/TextureAccess.h"
#include "video/VertexRenderer.h"

#include <GLES/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int QuadCount = 500;
constexpr float QuadSize = 32.0f;

struct Sprite {
  float x, y, dx, dy;
  math::Color color;
};

// One GL texture standing for the engine's textures; a second name for it
// makes the batch see two textures.
struct BenchTexture : video::TextureAccess {
  GLuint glTexture = 0;
  char second = 0;
  unsigned int glName(Texture &) override { return glTexture; }
  bool isOpaque(const Texture &) override { return false; }
  Symbol name(const Texture &) override { return Symbol::intern(L"sprite"); }
  Texture *find(const Database &, Symbol) override { return nullptr; }
  Texture *texture() { return reinterpret_cast<Texture *>(this); }
  Texture *otherTexture() { return reinterpret_cast<Texture *>(&second); }
};

// Counts the quad batch's submissions and times them.
struct CountingCanvas : video::OpenGLCanvas {
  int64_t submissions = 0;
  double submitSeconds = 0;
  void drawQuadBatch(video::QuadBatch &batch) override {
    ++submissions;
    auto start = std::chrono::steady_clock::now();
    video::OpenGLCanvas::drawQuadBatch(batch);
    submitSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
};

struct Scene {
  CountingCanvas *canvas = nullptr;
  BenchTexture texture;
  video::RenderPass pass;
  std::vector<Sprite> sprites;

  Scene() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
    canvas = new CountingCanvas;
    video::Canvas::setInstance(canvas);
    auto *window = new video::OpenGLWindow;
    video::Window::setInstance(window);
    window->create(math::Vector2i(320, 480), false, false, false);

    // A 64 x 64 disc with soft edges.
    std::vector<unsigned char> pixels(64 * 64 * 4);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        float d = std::hypot(x - 31.5f, y - 31.5f) / 32.0f;
        unsigned char *p = &pixels[4 * (y * 64 + x)];
        p[0] = p[1] = p[2] = 255;
        p[3] = (unsigned char)(d < 1.0f ? 255.0f * (1.0f - d * d) : 0.0f);
      }
    glGenTextures(1, &texture.glTexture);
    glBindTexture(GL_TEXTURE_2D, texture.glTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 64, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    video::TextureAccess::setInstance(&texture);

    pass.texture = texture.texture();
    pass.lit = false;
    pass.cull = false;
    pass.depthTest = false;
    pass.depthWrite = false;

    srand(7);
    for (int i = 0; i < QuadCount; ++i) {
      auto random = [] { return float(rand()) / float(RAND_MAX); };
      sprites.push_back({random() * 288, random() * 448, random() * 4 - 2, random() * 4 - 2,
                         math::Color(random(), random(), random(), 1.0f)});
    }
  }

  void move() {
    for (Sprite &s : sprites) {
      s.x += s.dx;
      s.y += s.dy;
      if (s.x < 0 || s.x > 320 - QuadSize)
        s.dx = -s.dx;
      if (s.y < 0 || s.y > 480 - QuadSize)
        s.dy = -s.dy;
    }
  }
};

Scene &scene() {
  static Scene *s = new Scene;
  return *s;
}

struct Timings {
  double fill = 0, submit = 0, finish = 0;
  void report(benchmark::State &state) {
    double n = double(state.iterations());
    state.counters["fill_us"] = fill / n * 1e6;
    state.counters["submit_us"] = submit / n * 1e6;
    state.counters["finish_us"] = finish / n * 1e6;
    state.counters["fps"] = benchmark::Counter(n, benchmark::Counter::kIsRate);
  }
};

double seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

void quadVertices(video::VertexRenderer &vr, video::Canvas &canvas, const Sprite &s) {
  canvas.setColor(s.color);
  float x0 = s.x, y0 = s.y, x1 = s.x + QuadSize, y1 = s.y + QuadSize;
  vr.texCoord(0, 0);
  vr.vertex(x0, y0, 0);
  vr.texCoord(0, 1);
  vr.vertex(x0, y1, 0);
  vr.texCoord(1, 0);
  vr.vertex(x1, y0, 0);
  vr.texCoord(1, 0);
  vr.vertex(x1, y0, 0);
  vr.texCoord(0, 1);
  vr.vertex(x0, y1, 0);
  vr.texCoord(1, 1);
  vr.vertex(x1, y1, 0);
}

// Ends the frame with the wait for the rasteriser timed apart.
void finishFrame(video::Canvas &canvas, Timings &t, Clock::time_point submitted) {
  canvas.endFrame();
  t.finish += seconds(submitted, Clock::now());
}

// All 500 quads as one triangle list of the vertex renderer: one draw.
void BM_QuadsOneVertexArray(benchmark::State &state) {
  Scene &s = scene();
  video::Canvas &canvas = *s.canvas;
  video::VertexRenderer &vr = canvas.vertexRenderer();
  Timings t;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    canvas.beginFrame();
    canvas.clear(video::Canvas::CLEAR_COLOR);
    s.move();
    canvas.applyRenderPass(s.pass);
    vr.begin(video::FORMAT_COLORED, video::PRIMITIVE_TRIANGLE_LIST);
    for (const Sprite &sprite : s.sprites)
      quadVertices(vr, canvas, sprite);
    Clock::time_point filled = Clock::now();
    vr.end();
    canvas.releaseRenderPass(s.pass);
    Clock::time_point submitted = Clock::now();
    t.fill += seconds(start, filled);
    t.submit += seconds(filled, submitted);
    finishFrame(canvas, t, submitted);
  }
  t.report(state);
}
BENCHMARK(BM_QuadsOneVertexArray)->Unit(benchmark::kMillisecond)->UseRealTime();

// One vertex-renderer primitive, and so one draw call, per quad.
void BM_QuadsOneDrawEach(benchmark::State &state) {
  Scene &s = scene();
  video::Canvas &canvas = *s.canvas;
  video::VertexRenderer &vr = canvas.vertexRenderer();
  Timings t;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    canvas.beginFrame();
    canvas.clear(video::Canvas::CLEAR_COLOR);
    s.move();
    canvas.applyRenderPass(s.pass);
    for (const Sprite &sprite : s.sprites) {
      vr.begin(video::FORMAT_COLORED, video::PRIMITIVE_TRIANGLE_LIST);
      quadVertices(vr, canvas, sprite);
      vr.end();
    }
    canvas.releaseRenderPass(s.pass);
    Clock::time_point submitted = Clock::now();
    t.submit += seconds(start, submitted);
    finishFrame(canvas, t, submitted);
  }
  t.report(state);
}
BENCHMARK(BM_QuadsOneDrawEach)->Unit(benchmark::kMillisecond)->UseRealTime();

// Through the canvas's quad batch: four vertices and six indices a quad,
// drawn 250 quads at a time.
void BM_QuadsBatched(benchmark::State &state) {
  Scene &s = scene();
  video::Canvas &canvas = *s.canvas;
  video::QuadBatch &batch = canvas.quadBatch();
  Timings t;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    canvas.beginFrame();
    canvas.clear(video::Canvas::CLEAR_COLOR);
    s.move();
    double drawing = 0;
    for (const Sprite &sprite : s.sprites) {
      if (batch.vertexCount() + 4 > batch.capacity()) {
        Clock::time_point before = Clock::now();
        canvas.flush();
        drawing += seconds(before, Clock::now());
      }
      if (batch.isEmpty()) {
        video::QuadBatch::State &b = batch.state();
        b.texture = s.pass.texture;
        b.blending = true;
        b.twoD = true;
        batch.setTwoD(true);
      }
      uint16_t base = batch.vertexCount();
      float x0 = sprite.x, y0 = sprite.y, x1 = x0 + QuadSize, y1 = y0 + QuadSize;
      batch.addVertex(math::Vector3(x0, y1, 0), sprite.color, math::Vector2(0, 0));
      batch.addVertex(math::Vector3(x0, y0, 0), sprite.color, math::Vector2(0, 1));
      batch.addVertex(math::Vector3(x1, y1, 0), sprite.color, math::Vector2(1, 0));
      batch.addVertex(math::Vector3(x1, y0, 0), sprite.color, math::Vector2(1, 1));
      for (uint16_t i : {0, 1, 2, 2, 1, 3})
        batch.addIndex(uint16_t(base + i));
    }
    Clock::time_point before = Clock::now();
    canvas.flush();
    Clock::time_point submitted = Clock::now();
    drawing += seconds(before, submitted);
    t.fill += seconds(start, submitted) - drawing;
    t.submit += drawing;
    finishFrame(canvas, t, submitted);
  }
  t.report(state);
}
BENCHMARK(BM_QuadsBatched)->Unit(benchmark::kMillisecond)->UseRealTime();

// Billboards through the canvas's own entry point: one texture, or two
// alternating from quad to quad (a submission per quad).
void billboards(benchmark::State &state, bool alternate) {
  Scene &s = scene();
  CountingCanvas &canvas = *s.canvas;
  video::BillboardQuad b;
  b.size = math::Vector2(QuadSize, QuadSize);
  b.texCoords[1] = math::Vector2(0, 1);
  b.texCoords[2] = math::Vector2(1, 1);
  b.texCoords[3] = math::Vector2(1, 0);
  Timings t;
  double cpu = 0;
  int64_t before = canvas.submissions;
  double submitBefore = canvas.submitSeconds;
  for (auto _ : state) {
    canvas.beginFrame();
    canvas.clear(video::Canvas::CLEAR_COLOR);
    s.move();
    Clock::time_point start = Clock::now();
    int i = 0;
    for (const Sprite &sprite : s.sprites) {
      b.texture = alternate && (i++ & 1) ? s.texture.otherTexture() : s.texture.texture();
      b.position = math::Vector3(sprite.x, sprite.y, 0.0f);
      b.color = sprite.color;
      canvas.drawBillboard(b);
    }
    canvas.flush();
    Clock::time_point submitted = Clock::now();
    cpu += seconds(start, submitted);
    finishFrame(canvas, t, submitted);
  }
  double frames = double(state.iterations());
  double submit = canvas.submitSeconds - submitBefore;
  // The engine's part (admission, corners, vertices) apart from the GL's.
  state.counters["cpu_ns_per_quad"] = (cpu - submit) / (frames * QuadCount) * 1e9;
  state.counters["submit_us"] = submit / frames * 1e6;
  state.counters["submissions_per_frame"] = double(canvas.submissions - before) / frames;
  state.counters["quads_per_s"] =
      benchmark::Counter(frames * QuadCount / cpu, benchmark::Counter::kDefaults);
  state.counters["finish_us"] = t.finish / frames * 1e6;
}

void BM_BillboardsOneTexture(benchmark::State &state) { billboards(state, false); }
BENCHMARK(BM_BillboardsOneTexture)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BillboardsAlternatingTextures(benchmark::State &state) { billboards(state, true); }
BENCHMARK(BM_BillboardsAlternatingTextures)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
