#include "surface/PixelBuffer.h"

#include "math/Color.h"
#include "math/Rectangle.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct Rgba {
  int r, g, b, a;
  bool operator==(const Rgba &o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

std::ostream &operator<<(std::ostream &out, const Rgba &c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

Rgba pixel(const PixelBuffer &buffer, uint32_t x, uint32_t y) {
  uint8_t r, g, b, a;
  buffer.getPixel(x, y, r, g, b, a);
  return {r, g, b, a};
}

PixelBuffer make(uint32_t w, uint32_t h, int format) {
  PixelBuffer buffer;
  buffer.create(w, h, format);
  buffer.fill(0, 0, 0, 0);
  return buffer;
}

} // namespace

TEST(PixelBuffer, WhiteReadsAsEachFormatsMaximum) {
  struct Case {
    int format;
    Rgba white;
  } cases[] = {
      {PixelBuffer::RGB555, {248, 248, 248, 255}},   {PixelBuffer::RGB565, {248, 252, 248, 255}},
      {PixelBuffer::RGBA5551, {248, 248, 248, 128}}, {PixelBuffer::RGBA4444, {240, 240, 240, 240}},
      {PixelBuffer::RGB888, {255, 255, 255, 255}},   {PixelBuffer::RGBA8888, {255, 255, 255, 255}}};
  for (const Case &c : cases) {
    PixelBuffer buffer = make(2, 1, c.format);
    buffer.setPixel(1, 0, 255, 255, 255, 255);
    EXPECT_EQ(pixel(buffer, 1, 0), c.white) << c.format;
    uint8_t m[4];
    PixelBuffer::channelMaximums(c.format, m[0], m[1], m[2], m[3]);
    Rgba maximum{m[0], m[1], m[2], PixelBuffer::hasAlpha(c.format) ? m[3] : 255};
    EXPECT_EQ(maximum, c.white) << c.format;
    // The all-white buffer counts as opaque even where alpha tops out below 255.
    buffer.fill(255, 255, 255, 255);
    EXPECT_TRUE(buffer.isOpaque()) << c.format;
  }
  PixelBuffer half = make(1, 1, PixelBuffer::RGBA4444);
  half.setPixel(0, 0, 255, 255, 255, 200);
  EXPECT_FALSE(half.isOpaque());
}

TEST(PixelBuffer, FormatNamesAndChoices) {
  for (int f = 0; f < PixelBuffer::NONE; ++f)
    EXPECT_EQ(PixelBuffer::formatFromSymbol(PixelBuffer::formatSymbol(f)), f);
  EXPECT_EQ(PixelBuffer::formatSymbol(PixelBuffer::RGBA4444), Symbol::intern(L"rgba4444"));
  EXPECT_EQ(PixelBuffer::formatFromSymbol(Symbol::intern(L"bgr24")), PixelBuffer::NONE);
  EXPECT_EQ(PixelBuffer::formatFor(true, 2), PixelBuffer::RGBA8888);
  EXPECT_EQ(PixelBuffer::formatFor(false, 2), PixelBuffer::RGB565);
  EXPECT_EQ(PixelBuffer::formatFor(false, 3), PixelBuffer::RGB888);
  EXPECT_EQ(PixelBuffer::formatFor(false, 4), PixelBuffer::NONE);
}

TEST(PixelBuffer, ConversionSwapsRedAndBlueOnRequest) {
  PixelBuffer source = make(1, 1, PixelBuffer::RGBA8888);
  source.setPixel(0, 0, 10, 20, 30, 40);
  PixelBuffer out;
  out.convert(source, PixelBuffer::RGB888, true);
  ASSERT_EQ(out.format(), PixelBuffer::RGB888);
  EXPECT_EQ(out.data()[0], 30);
  EXPECT_EQ(out.data()[1], 20);
  EXPECT_EQ(out.data()[2], 10);
  out.convert(source, PixelBuffer::RGBA8888, true);
  EXPECT_EQ(pixel(out, 0, 0), (Rgba{30, 20, 10, 40}));
  // Through the channel rules: truncated to 4 bits, swapped.
  out.convert(source, PixelBuffer::RGBA4444, true);
  EXPECT_EQ(pixel(out, 0, 0), (Rgba{16, 16, 0, 32}));
  PixelBuffer back;
  back.convert(out, PixelBuffer::RGB888, false);
  EXPECT_EQ(pixel(back, 0, 0), (Rgba{16, 16, 0, 255}));
}

TEST(PixelBuffer, ScaledCopy) {
  PixelBuffer source = make(2, 2, PixelBuffer::RGB888);
  source.setPixel(0, 0, 10, 0, 0, 255);
  source.setPixel(1, 0, 20, 0, 0, 255);
  source.setPixel(0, 1, 30, 0, 0, 255);
  source.setPixel(1, 1, 40, 0, 0, 255);
  // The one sample falls on (1, 1): the last column and row, so only it counts.
  PixelBuffer one = make(1, 1, PixelBuffer::RGB888);
  source.copyScaled({0, 0}, {0, 0}, {2, 2}, {1, 1}, one);
  EXPECT_EQ(pixel(one, 0, 0), (Rgba{40, 0, 0, 255}));
  // Equal sizes copy exactly, into another format too.
  PixelBuffer same = make(2, 2, PixelBuffer::RGBA8888);
  source.copyScaled({0, 0}, {0, 0}, {2, 2}, {2, 2}, same);
  EXPECT_EQ(pixel(same, 0, 1), (Rgba{30, 0, 0, 255}));
  // Enlarging interpolates between neighbours.
  PixelBuffer row = make(2, 1, PixelBuffer::RGB888);
  row.setPixel(0, 0, 10, 0, 0, 255);
  row.setPixel(1, 0, 20, 0, 0, 255);
  PixelBuffer wide = make(4, 1, PixelBuffer::RGB888);
  row.copyScaled({0, 0}, {0, 0}, {2, 1}, {4, 1}, wide);
  EXPECT_EQ(pixel(wide, 0, 0).r, 12);
  EXPECT_EQ(pixel(wide, 1, 0).r, 17);
  EXPECT_EQ(pixel(wide, 3, 0).r, 20);
  // A zero destination size draws nothing.
  source.copyScaled({0, 0}, {0, 0}, {2, 2}, {0, 1}, one);
  EXPECT_EQ(pixel(one, 0, 0), (Rgba{40, 0, 0, 255}));
}

TEST(PixelBuffer, BlendWrapsOrSkips) {
  PixelBuffer spot = make(1, 1, PixelBuffer::RGBA8888);
  spot.setPixel(0, 0, 200, 100, 0, 255);
  PixelBuffer target = make(4, 2, PixelBuffer::RGBA8888);
  spot.blend({0, 0}, {-4, 0}, {1, 1}, target, false, true);
  EXPECT_EQ(pixel(target, 0, 0), (Rgba{200, 100, 0, 255}));
  spot.blend({0, 0}, {5, 1}, {1, 1}, target, false, true);
  EXPECT_EQ(pixel(target, 1, 1), (Rgba{200, 100, 0, 255}));
  spot.blend({0, 0}, {-1, 1}, {1, 1}, target, false, false);
  EXPECT_EQ(pixel(target, 3, 1), (Rgba{0, 0, 0, 0}));
  // Additive saturates; half alpha mixes.
  spot.blend({0, 0}, {0, 0}, {1, 1}, target, true, false);
  EXPECT_EQ(pixel(target, 0, 0), (Rgba{255, 200, 0, 255}));
  spot.setPixel(0, 0, 0, 0, 255, 128);
  spot.blend({0, 0}, {1, 1}, {1, 1}, target, false, false);
  EXPECT_EQ(pixel(target, 1, 1), (Rgba{99, 49, 128, 191}));
}

TEST(PixelBuffer, FillsAndRectangles) {
  PixelBuffer buffer = make(3, 3, PixelBuffer::RGB565);
  buffer.fill(math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_EQ(pixel(buffer, 2, 2), (Rgba{248, 0, 0, 255}));
  // Partly outside: only the inside is set.
  buffer.fillRect({2, 2}, {5, 5}, 0, 0, 255, 255);
  EXPECT_EQ(pixel(buffer, 2, 2), (Rgba{0, 0, 248, 255}));
  EXPECT_EQ(pixel(buffer, 1, 2), (Rgba{248, 0, 0, 255}));
  PixelBuffer other = make(2, 2, PixelBuffer::RGBA8888);
  buffer.copyRect({1, 1}, {0, 0}, {2, 2}, other);
  EXPECT_EQ(pixel(other, 1, 1), (Rgba{0, 0, 248, 255}));
  EXPECT_EQ(pixel(other, 0, 0), (Rgba{248, 0, 0, 255}));
  PixelBuffer empty;
  empty.fill(1, 2, 3, 4);
  EXPECT_FALSE(empty.isValid());
}

TEST(PixelBuffer, Downsample) {
  PixelBuffer source = make(2, 2, PixelBuffer::RGBA8888);
  source.setPixel(0, 0, 0, 40, 100, 0);
  source.setPixel(1, 0, 4, 40, 100, 255);
  source.setPixel(0, 1, 8, 40, 100, 255);
  source.setPixel(1, 1, 12, 40, 100, 255);
  PixelBuffer half = make(1, 1, PixelBuffer::RGBA8888);
  source.downsample({0, 0}, {2, 2}, half, {0, 0});
  EXPECT_EQ(pixel(half, 0, 0), (Rgba{6, 40, 100, 191}));
}

TEST(PixelBuffer, FiltersAndBounds) {
  PixelBuffer buffer = make(4, 4, PixelBuffer::RGBA8888);
  math::Rectangle bounds;
  EXPECT_FALSE(buffer.opaqueBounds(bounds));
  buffer.setPixel(1, 2, 200, 100, 50, 128);
  buffer.setPixel(2, 3, 10, 10, 10, 1);
  ASSERT_TRUE(buffer.opaqueBounds(bounds));
  EXPECT_EQ(bounds.x, 1.0f);
  EXPECT_EQ(bounds.y, 2.0f);
  EXPECT_EQ(bounds.width, 2.0f);
  EXPECT_EQ(bounds.height, 2.0f);

  // Colour spreads one pixel into the transparent ones, alpha stays 0.
  buffer.bleedTransparentPixels();
  EXPECT_EQ(pixel(buffer, 0, 1), (Rgba{200, 100, 50, 0}));
  EXPECT_EQ(pixel(buffer, 3, 0), (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(pixel(buffer, 1, 3), (Rgba{105, 55, 30, 0}));

  buffer.premultiplyAlpha();
  EXPECT_EQ(pixel(buffer, 1, 2), (Rgba{100, 50, 25, 128}));

  PixelBuffer colour = make(1, 1, PixelBuffer::RGB888);
  colour.setPixel(0, 0, 255, 0, 0, 255);
  colour.adjustHSV(360.0f, 0.0f, 0.0f);
  EXPECT_EQ(pixel(colour, 0, 0), (Rgba{255, 0, 0, 255}));
  colour.adjustHSV(120.0f, 0.0f, 0.0f);
  EXPECT_EQ(pixel(colour, 0, 0), (Rgba{0, 255, 0, 255}));
  colour.adjustHSV(0.0f, 0.0f, -1.0f);
  EXPECT_EQ(pixel(colour, 0, 0), (Rgba{0, 0, 0, 255}));
}

TEST(PixelBuffer, DitheringSpreadsTheError) {
  // A flat grey between two 5-bit levels comes out as a mix of both, its
  // average close to the source.
  PixelBuffer grey = make(8, 8, PixelBuffer::RGB888);
  grey.fill(100, 100, 100, 255);
  PixelBuffer out;
  grey.ditherTo(out, PixelBuffer::RGB565);
  ASSERT_EQ(out.format(), PixelBuffer::RGB565);
  int sum = 0, low = 0, high = 0;
  for (uint32_t y = 0; y < 8; ++y)
    for (uint32_t x = 0; x < 8; ++x) {
      int r = pixel(out, x, y).r;
      sum += r;
      low += r == 96;
      high += r == 104;
    }
  EXPECT_EQ(low + high, 64);
  EXPECT_GT(low, 0);
  EXPECT_GT(high, 0);
  EXPECT_NEAR(sum / 64.0, 100.0, 1.0);
}

TEST(PixelBuffer, SDLSurfaceOfTheImage) {
  PixelBuffer buffer = make(2, 1, PixelBuffer::RGBA4444);
  buffer.setPixel(1, 0, 255, 0, 128, 64);
  SDL_Surface *surface = buffer.toSDLSurface();
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->w, 2);
  EXPECT_EQ(surface->format->BytesPerPixel, 4);
  const uint8_t *p = static_cast<const uint8_t *>(surface->pixels) + 4;
  EXPECT_EQ(p[0], 240);
  EXPECT_EQ(p[1], 0);
  EXPECT_EQ(p[2], 128);
  EXPECT_EQ(p[3], 64);
  SDL_FreeSurface(surface);
}
