#include "ImageMaker.h"

#include <gtest/gtest.h>

namespace {

struct Pixel {
  uint8_t r, g, b, a;
};

Pixel at(const PixelBuffer &image, uint32_t x, uint32_t y) {
  Pixel p{};
  image.getPixel(x, y, p.r, p.g, p.b, p.a);
  return p;
}

} // namespace

TEST(ImageMaker, FlatSquaresWithAnEdgeDiscsAndSoftDots) {
  texpack::ImageRecipe recipe;
  recipe.size = 32;
  recipe.color = math::PackedColor(200, 40, 40, 255);
  recipe.color2 = math::PackedColor(20, 20, 20, 255);
  recipe.cell = 3;
  struct Case {
    const wchar_t *kind;
    uint32_t x, y;
    uint8_t r, a;
  };
  const Case cases[] = {
      // The square: its edge is cell pixels wide.
      {L"square", 0, 0, 20, 255},
      {L"square", 2, 16, 20, 255},
      {L"square", 3, 16, 200, 255},
      {L"square", 16, 29, 20, 255},
      // The disc: clear in the corners, its rim in the second colour.
      {L"disc", 0, 0, 20, 0},
      {L"disc", 16, 16, 200, 255},
      {L"disc", 1, 16, 20, 255},
      // The dot: opaque in the middle, nothing at the edge.
      {L"dot", 0, 16, 200, 0},
      {L"dot", 31, 31, 200, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.x << ", " << c.y);
    recipe.kind = Symbol::intern(c.kind);
    PixelBuffer image;
    ASSERT_TRUE(texpack::makeImage(recipe, image));
    const Pixel p = at(image, c.x, c.y);
    EXPECT_EQ(p.r, c.r);
    EXPECT_EQ(p.a, c.a);
  }
  recipe.kind = Symbol::intern(L"dot");
  PixelBuffer dot;
  ASSERT_TRUE(texpack::makeImage(recipe, dot));
  EXPECT_GT(at(dot, 16, 16).a, 220);
  EXPECT_LT(at(dot, 24, 16).a, at(dot, 20, 16).a);
}
