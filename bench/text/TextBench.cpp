// Text: glyphs drawn through Font::drawString into the canvas's quad batch
// (the batch handed to a canvas that draws nothing, so the figure is the
// CPU's share), and a 2 KB rich-text mark-up parsed and laid out.

#include "support/AllocationCount.h"
#include "support/NullCanvas.h"

#include "billboard/Billboard2D.h"
#include "file/Database.h"
#include "framework/CorvaneDatabase.h"
#include "framework/Framework.h"
#include "surface/PixelBuffer.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "text/RichText.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"
#include "video/QuadBatch.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Hands every full batch to nothing.
class BatchCanvas : public testing_support::NullCanvas {
public:
  long quads = 0;
  void drawQuadBatch(video::QuadBatch &batch) override { quads += batch.vertexCount() / 4; }
  void flush() override { quadBatch().flush(*this); }
};

TextureSimple *whiteTexture() {
  auto *pixels = new PixelBuffer;
  pixels->create(64, 64, PixelBuffer::RGBA8888);
  pixels->fill(255, 255, 255, 255);
  return new TextureSimple(nullptr, Symbol::intern(L"benchGlyphs"), pixels);
}

// Every printable character a box 8 wide and 12 high.
Font *printableFont(Texture *texture) {
  auto *font = new Font;
  font->setName(Symbol::intern(L"font"));
  font->setSpacing(1.0f);
  font->setMetrics(3.0f, 12.0f, 9.0f, 4.5f);
  for (unsigned c = 33; c < 127; ++c) {
    auto *glyph = new Billboard2D;
    glyph->setTexture(texture);
    glyph->centered = false;
    glyph->size = math::Vector2(8.0f, 12.0f);
    glyph->storedOrigin = math::Vector2(0.0f, 3.0f);
    glyph->texCoords[1] = math::Vector2(0.0f, 0.1875f);
    glyph->texCoords[2] = math::Vector2(0.125f, 0.1875f);
    glyph->texCoords[3] = math::Vector2(0.125f, 0.0f);
    font->setGlyph(c, glyph);
  }
  return font;
}

void BM_DrawStringGlyphs(benchmark::State &state) {
  std::unique_ptr<TextureSimple> texture(whiteTexture());
  std::unique_ptr<Font> font(printableFont(texture.get()));
  BatchCanvas canvas;
  const String line(L"The quick brown fox jumps over the lazy dog; 0123456789!");
  uint32_t glyphs = 0;
  for (uint32_t i = 0; i < line.length(); ++i)
    glyphs += line[i] != L' ';
  Font::DrawSettings settings;
  settings.snapToPixel = true;
  font->drawString(canvas, line, math::Vector2(10.0f, 20.0f), settings);
  canvas.flush();
  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state) {
    font->drawString(canvas, line, math::Vector2(10.0f, 20.0f), settings);
    canvas.flush();
  }
  allocationCounting = false;
  state.SetItemsProcessed(int64_t(state.iterations()) * glyphs);
  state.counters["allocs_per_string"] =
      benchmark::Counter(double(allocationCount) / double(state.iterations()));
  benchmark::DoNotOptimize(canvas.quads);
}
BENCHMARK(BM_DrawStringGlyphs);

struct BenchApplication : Framework {
  String applicationName() override { return String(L"TextBench"); }
};

// About 2 KB of mark-up: words, blanks, colours, underlines, formats and
// line breaks.
String markup() {
  const wchar_t *paragraph =
      L"The <color {[1 0.5 0 1]}>quick</color> brown fox <underline>jumps</underline> over "
      L"the <format {(scale: [1.5 1.5])}>lazy</format> dog, twice.<br/>";
  String text;
  while (text.length() < 2048)
    text += paragraph;
  return text;
}

void BM_RichTextParseAndLayout2K(benchmark::State &state) {
  auto *application = new BenchApplication;
  Framework::setInstance(application);
  TextureSimple *texture = whiteTexture();
  CorvaneDatabase *database = corvaneDatabase();
  database->textureManager().addTexture(texture);
  database->fontFactory().insert(printableFont(texture));
  {
    const String text = markup();
    text::RichText rich;
    rich.setWidth(300.0f);
    for (auto _ : state) {
      rich.setText(text);
      benchmark::DoNotOptimize(rich.layout().lines.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.length());
    state.counters["lines"] = double(rich.layout().lines.size());
  }
  Framework::destroyInstance();
  Database::releaseRegistry();
}
BENCHMARK(BM_RichTextParseAndLayout2K);

} // namespace
