#include "ImageMaker.h"

#include <algorithm>
#include <cmath>

namespace texpack {

namespace {

uint8_t mix(uint8_t a, uint8_t b, float t) { return uint8_t(float(a) + (float(b) - float(a)) * t); }

void gradient(const ImageRecipe &r, PixelBuffer &out) {
  const uint32_t n = r.size;
  for (uint32_t y = 0; y < n; ++y)
    for (uint32_t x = 0; x < n; ++x) {
      const float t = n > 1 ? float(x) / float(n - 1) : 0.0f;
      out.setPixel(x, y, mix(r.color.r, r.color2.r, t), mix(r.color.g, r.color2.g, t),
                   mix(r.color.b, r.color2.b, t), mix(r.color.a, r.color2.a, t));
    }
}

void checker(const ImageRecipe &r, PixelBuffer &out) {
  const uint32_t cell = std::max(r.cell, 1u);
  for (uint32_t y = 0; y < r.size; ++y)
    for (uint32_t x = 0; x < r.size; ++x) {
      const math::PackedColor &c = ((x / cell + y / cell) % 2) ? r.color2 : r.color;
      out.setPixel(x, y, c.r, c.g, c.b, c.a);
    }
}

// White, opaque along the middle row and fading to nothing at the edges:
// the canvas draws lines with it across their width.
void line(const ImageRecipe &r, PixelBuffer &out) {
  const float middle = (float(r.size) - 1.0f) / 2.0f;
  for (uint32_t y = 0; y < r.size; ++y) {
    const float d = middle > 0 ? std::fabs(float(y) - middle) / (middle + 0.5f) : 0.0f;
    const uint8_t alpha = uint8_t(255.0f * std::clamp(1.0f - d * d, 0.0f, 1.0f));
    for (uint32_t x = 0; x < r.size; ++x)
      out.setPixel(x, y, 255, 255, 255, alpha);
  }
}

// An arrow with its tip at the top left: white inside a dark rim, clear
// around it.
void pointer(const ImageRecipe &r, PixelBuffer &out) {
  const float n = float(r.size);
  const float corners[3][2] = {{0.0f, 0.0f}, {0.0f, 0.9f * n}, {0.6f * n, 0.6f * n}};
  out.fill(0, 0, 0, 0);
  for (uint32_t y = 0; y < r.size; ++y)
    for (uint32_t x = 0; x < r.size; ++x) {
      const float px = float(x) + 0.5f, py = float(y) + 0.5f;
      bool inside = true;
      float nearest = n;
      for (int e = 0; e < 3; ++e) {
        const float *a = corners[e], *b = corners[(e + 1) % 3];
        const float ex = b[0] - a[0], ey = b[1] - a[1];
        // Distance to the edge, positive inside (the corners run counter-clockwise on screen).
        const float d = (ey * (px - a[0]) - ex * (py - a[1])) / std::sqrt(ex * ex + ey * ey);
        inside = inside && d >= 0.0f;
        nearest = std::min(nearest, d);
      }
      if (!inside)
        continue;
      if (nearest < 1.5f)
        out.setPixel(x, y, 20, 20, 20, 255);
      else
        out.setPixel(x, y, 255, 255, 255, 255);
    }
}

// A warm blob whose core grows and shrinks from frame to frame.
void flame(const ImageRecipe &r, PixelBuffer &out) {
  const float n = float(r.size), c = (n - 1.0f) / 2.0f;
  const float reach = n * (0.35f + 0.05f * float(r.frame % 4));
  for (uint32_t y = 0; y < r.size; ++y)
    for (uint32_t x = 0; x < r.size; ++x) {
      const float dx = float(x) - c, dy = (float(y) - c) * 0.8f;
      const float t = std::clamp(std::sqrt(dx * dx + dy * dy) / reach, 0.0f, 1.0f);
      out.setPixel(x, y, 255, uint8_t(220.0f * (1.0f - t)),
                   uint8_t(60.0f * (1.0f - t) * (1.0f - t)), uint8_t(255.0f * (1.0f - t)));
    }
}

// The colour inside an edge of the second colour, cell pixels wide.
void square(const ImageRecipe &r, PixelBuffer &out) {
  const uint32_t edge = std::min(r.cell, r.size / 2);
  for (uint32_t y = 0; y < r.size; ++y)
    for (uint32_t x = 0; x < r.size; ++x) {
      const bool rim = x < edge || y < edge || x + edge >= r.size || y + edge >= r.size;
      const math::PackedColor &c = rim ? r.color2 : r.color;
      out.setPixel(x, y, c.r, c.g, c.b, c.a);
    }
}

// Distance of a pixel's centre from the image's centre, as a share of the
// half side.
float radial(const ImageRecipe &r, uint32_t x, uint32_t y) {
  const float half = float(r.size) / 2.0f;
  const float dx = float(x) + 0.5f - half, dy = float(y) + 0.5f - half;
  return std::sqrt(dx * dx + dy * dy) / half;
}

// A disc of the colour with a rim of the second colour, clear around it.
void disc(const ImageRecipe &r, PixelBuffer &out) {
  const float rim = 1.0f - float(std::min(r.cell, r.size / 2)) / (float(r.size) / 2.0f);
  for (uint32_t y = 0; y < r.size; ++y)
    for (uint32_t x = 0; x < r.size; ++x) {
      const float d = radial(r, x, y);
      const math::PackedColor &c = d < rim ? r.color : r.color2;
      const float cover = std::clamp((1.0f - d) * float(r.size) / 2.0f, 0.0f, 1.0f);
      out.setPixel(x, y, c.r, c.g, c.b, uint8_t(float(c.a) * cover));
    }
}

// The colour, opaque in the middle and fading softly to nothing at the edge.
void dot(const ImageRecipe &r, PixelBuffer &out) {
  for (uint32_t y = 0; y < r.size; ++y)
    for (uint32_t x = 0; x < r.size; ++x) {
      const float t = std::clamp(1.0f - radial(r, x, y), 0.0f, 1.0f);
      out.setPixel(x, y, r.color.r, r.color.g, r.color.b, uint8_t(float(r.color.a) * t * t));
    }
}

} // namespace

bool makeImage(const ImageRecipe &recipe, PixelBuffer &out) {
  static const Symbol solidKind = Symbol::intern(L"solid"),
                      gradientKind = Symbol::intern(L"gradient"),
                      checkerKind = Symbol::intern(L"checker"), lineKind = Symbol::intern(L"line"),
                      pointerKind = Symbol::intern(L"pointer"),
                      flameKind = Symbol::intern(L"flame"), squareKind = Symbol::intern(L"square"),
                      discKind = Symbol::intern(L"disc"), dotKind = Symbol::intern(L"dot");
  out.clear();
  if (!recipe.size)
    return false;
  out.create(recipe.size, recipe.size, PixelBuffer::RGBA8888);
  if (recipe.kind == solidKind)
    out.fill(recipe.color.r, recipe.color.g, recipe.color.b, recipe.color.a);
  else if (recipe.kind == gradientKind)
    gradient(recipe, out);
  else if (recipe.kind == checkerKind)
    checker(recipe, out);
  else if (recipe.kind == lineKind)
    line(recipe, out);
  else if (recipe.kind == pointerKind)
    pointer(recipe, out);
  else if (recipe.kind == flameKind)
    flame(recipe, out);
  else if (recipe.kind == squareKind)
    square(recipe, out);
  else if (recipe.kind == discKind)
    disc(recipe, out);
  else if (recipe.kind == dotKind)
    dot(recipe, out);
  else {
    out.clear();
    return false;
  }
  return true;
}

} // namespace texpack
