// Writing a large image as a mipmapped ULV, and the first draw of a
// 256 x 256 texture from the texture file (read, decode and upload to the
// headless OpenGL ES context) for each stored format.

#include "TexturePacker.h"
#include "file/BufferBinary.h"
#include "file/Database.h"
#include "platform/GLContext.h"
#include "surface/ULVLoader.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"

#include <GLES/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void BM_WriteMipmappedULV4444(benchmark::State &state) {
  PixelBuffer source;
  source.create(1024, 1024, PixelBuffer::RGBA8888);
  for (uint32_t y = 0; y < 1024; ++y)
    for (uint32_t x = 0; x < 1024; ++x)
      source.setPixel(x, y, uint8_t(x), uint8_t(y), uint8_t(x ^ y), uint8_t(x + y));
  file::BufferBinary out;
  for (auto _ : state) {
    out.clear();
    ULVLoader::write(out, source, PixelBuffer::RGBA4444, true);
    benchmark::DoNotOptimize(out.data());
  }
  const double pixels = 1024.0 * 1024.0 * double(state.iterations());
  state.counters["Mpix/s"] = benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteMipmappedULV4444)->Unit(benchmark::kMillisecond);

// A GL context (shared with other benchmarks of the program) and a texture
// file with one 256 x 256 texture per stored format.
struct Uploads {
  Database database{Symbol::intern(L"textureBench"), L"."};
  TextureManager manager{&database};
  std::string folder;

  Uploads() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!SDL_WasInit(SDL_INIT_VIDEO))
      SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
    if (!video::Canvas::instance())
      video::Canvas::setInstance(new video::OpenGLCanvas);
    if (!video::Window::instance()) {
      auto *window = new video::OpenGLWindow;
      video::Window::setInstance(window);
      window->create(math::Vector2i(320, 480), false, false, false);
    }
    char name[] = "/tmp/corvane-texture-bench-XXXXXX";
    folder = mkdtemp(name) ? name : "";
    const std::string script = folder + "/bench.!";
    if (FILE *f = fopen(script.c_str(), "w")) {
      fputs("[\n"
            " (name: \"png\" image: gradient: color: [255 0 0 255] color2: [0 0 255 120] size: 256"
            "  options: (format: png:))\n"
            " (name: \"jpeg\" image: gradient: color: [255 0 0 255] color2: [0 0 255 255] size: "
            "256)\n"
            " (name: \"jpegPair\" image: gradient: color: [255 0 0 255] color2: [0 0 255 120]"
            "  size: 256)\n"
            " (name: \"ulv565\" image: gradient: color: [255 0 0 255] color2: [0 0 255 255]"
            "  size: 256 mipmap: true: options: (format: ulv:))\n"
            " (name: \"ulv4444\" image: gradient: color: [255 0 0 255] color2: [0 0 255 120]"
            "  size: 256 mipmap: true: options: (format: ulv:))\n"
            "]\n",
            f);
      fclose(f);
    }
    const String data = String::fromUtf8(folder.c_str());
    texpack::packTextures(data + L"/bench.!", texpack::textureFileUnder(data));
    manager.loadMonolith(texpack::textureFileUnder(data));
  }
  ~Uploads() {
    if (!folder.empty())
      std::system(("rm -rf '" + folder + "'").c_str());
  }
};

Uploads &uploads() {
  static Uploads u;
  return u;
}

void firstDraw(benchmark::State &state, const wchar_t *name) {
  Texture *found = uploads().manager.find(Symbol::intern(name));
  if (!found) {
    state.SkipWithError("texture file not made");
    return;
  }
  auto *texture = static_cast<TextureSimple *>(found);
  for (auto _ : state) {
    state.PauseTiming();
    texture->unload();
    glFinish();
    state.ResumeTiming();
    benchmark::DoNotOptimize(texture->glName());
    glFinish();
  }
  if (!texture->uploaded() || texture->pixelFormat == PixelBuffer::NONE)
    state.SkipWithError("the texture did not upload");
}

void BM_FirstDrawPNG(benchmark::State &state) { firstDraw(state, L"png"); }
void BM_FirstDrawJPEG(benchmark::State &state) { firstDraw(state, L"jpeg"); }
void BM_FirstDrawJPEGPair(benchmark::State &state) { firstDraw(state, L"jpegPair"); }
void BM_FirstDrawULV565Mipmapped(benchmark::State &state) { firstDraw(state, L"ulv565"); }
void BM_FirstDrawULV4444Mipmapped(benchmark::State &state) { firstDraw(state, L"ulv4444"); }
BENCHMARK(BM_FirstDrawPNG)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstDrawJPEG)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstDrawJPEGPair)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstDrawULV565Mipmapped)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstDrawULV4444Mipmapped)->Unit(benchmark::kMicrosecond);

} // namespace
