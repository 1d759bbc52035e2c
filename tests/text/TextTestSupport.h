#pragma once
// Fonts made by hand for the text tests: every glyph a box of a given width
// on one white texture, so that measuring and drawing can be worked out by
// hand; and a canvas that records the quads it is given.

#include "support/NullCanvas.h"
#include "support/RecordingCanvas.h"

#include "billboard/Billboard2D.h"
#include "surface/PixelBuffer.h"
#include "text/Font.h"
#include "texture/TextureSimple.h"
#include "video/QuadBatch.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace testing_support {

// A white 64 x 64 texture in no manager.
inline std::unique_ptr<TextureSimple> whiteTexture(Symbol name) {
  auto *pixels = new PixelBuffer;
  pixels->create(64, 64, PixelBuffer::RGBA8888);
  pixels->fill(255, 255, 255, 255);
  return std::make_unique<TextureSimple>(nullptr, name, pixels);
}

// A glyph box of the given size on the texture, its origin at its bottom
// left corner lifted by the baseline.
inline Billboard2D *boxGlyph(Texture *texture, float width, float height, float baseline) {
  auto *glyph = new Billboard2D;
  glyph->setTexture(texture);
  glyph->centered = false;
  glyph->size = math::Vector2(width, height);
  glyph->storedOrigin = math::Vector2(0.0f, baseline);
  glyph->texCoords[0] = math::Vector2(0.0f, 0.0f);
  glyph->texCoords[1] = math::Vector2(0.0f, height / 64.0f);
  glyph->texCoords[2] = math::Vector2(width / 64.0f, height / 64.0f);
  glyph->texCoords[3] = math::Vector2(width / 64.0f, 0.0f);
  return glyph;
}

// Glyphs of the given advances, height 10, baseline 2, ascent 8.
inline std::unique_ptr<Font> boxFont(Texture *texture, const std::map<wchar_t, float> &advances,
                                     float spacing, Symbol name = Symbol::intern(L"font")) {
  auto font = std::make_unique<Font>();
  font->setName(name);
  font->setSpacing(spacing);
  font->setMetrics(2.0f, 10.0f, 8.0f, 4.0f);
  for (const auto &[c, advance] : advances)
    font->setGlyph(unsigned(c), boxGlyph(texture, advance, 10.0f, 2.0f));
  return font;
}

// One quad as the batch received it: its box in model space and the
// colour of its first corner.
struct RecordedQuad {
  float left, right, bottom, top;
  math::PackedColor color;
  Texture *texture;
};

class QuadRecordingCanvas : public NullCanvas {
public:
  std::vector<RecordedQuad> quads;

  void drawQuadBatch(video::QuadBatch &batch) override {
    int n = batch.twoD() ? 2 : 3;
    for (int q = 0; q + 3 < int(batch.vertexCount()); q += 4) {
      RecordedQuad r{1e9f, -1e9f, 1e9f, -1e9f, {}, batch.state().texture};
      for (int v = q; v < q + 4; ++v) {
        float x = batch.positions()[n * v], y = batch.positions()[n * v + 1];
        r.left = std::min(r.left, x);
        r.right = std::max(r.right, x);
        r.bottom = std::min(r.bottom, y);
        r.top = std::max(r.top, y);
      }
      const uint8_t *c = batch.colors() + 4 * q;
      r.color = math::PackedColor(c[0], c[1], c[2], c[3]);
      quads.push_back(r);
    }
  }
  // What was drawn, the batch flushed first.
  const std::vector<RecordedQuad> &drawn() {
    flush();
    return quads;
  }
  void flush() override { quadBatch().flush(*this); }
};

// Records both the quads and the lines.
class TextCanvas : public RecordingCanvas {
public:
  void drawQuadBatch(video::QuadBatch &batch) override { recorder.drawQuadBatch(batch); }
  void flush() override { quadBatch().flush(*this); }
  const std::vector<RecordedQuad> &drawnQuads() {
    flush();
    return recorder.quads;
  }
  QuadRecordingCanvas recorder;
};

} // namespace testing_support
