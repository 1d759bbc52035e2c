#include "FontRaster.h"

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace fontmake {

namespace {

const unsigned First = 33, Last = 126;
const int Padding = 1;

// Shelves left to right, top to bottom; false when a cell runs past the side.
bool place(std::vector<GlyphCell> &cells, int side) {
  int x = Padding, y = Padding, shelf = 0;
  for (GlyphCell &cell : cells) {
    if (x + cell.width + Padding > side) {
      x = Padding;
      y += shelf + Padding;
      shelf = 0;
    }
    if (x + cell.width + Padding > side || y + cell.height + Padding > side)
      return false;
    cell.x = x;
    cell.y = y;
    x += cell.width + Padding;
    shelf = std::max(shelf, cell.height);
  }
  return true;
}

} // namespace

bool rasterizeFont(const String &fontPath, float pixelHeight, FontAtlas &out, String &reason) {
  container::Vector<char> narrow;
  fontPath.toUtf8(narrow);
  std::ifstream file(narrow.data(), std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  stbtt_fontinfo font;
  if (bytes.empty() ||
      !stbtt_InitFont(&font, bytes.data(), stbtt_GetFontOffsetForIndex(bytes.data(), 0))) {
    reason = String(L"cannot read the font ") + fontPath;
    return false;
  }
  const float scale = stbtt_ScaleForPixelHeight(&font, pixelHeight);
  int ascent = 0, descent = 0, gap = 0;
  stbtt_GetFontVMetrics(&font, &ascent, &descent, &gap);
  out.ascent = int(std::ceil(float(ascent) * scale));
  out.descent = int(std::ceil(float(-descent) * scale));
  const int lineHeight = out.ascent + out.descent;

  out.cells.clear();
  for (unsigned c = First; c <= Last; ++c) {
    int advance = 0, bearing = 0;
    stbtt_GetCodepointHMetrics(&font, int(c), &advance, &bearing);
    GlyphCell cell;
    cell.character = c;
    cell.width = std::max(1, int(std::lround(float(advance) * scale)));
    cell.height = lineHeight;
    out.cells.push_back(cell);
  }
  int side = 64;
  while (side <= 1024 && !place(out.cells, side))
    side *= 2;
  if (side > 1024) {
    reason = L"the glyphs do not fit an atlas of 1024 pixels";
    return false;
  }

  out.pixels.create(uint32_t(side), uint32_t(side), PixelBuffer::RGBA8888);
  out.pixels.fill(255, 255, 255, 0);
  for (const GlyphCell &cell : out.cells) {
    int x0, y0, x1, y1;
    stbtt_GetCodepointBitmapBox(&font, int(cell.character), scale, scale, &x0, &y0, &x1, &y1);
    const int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0)
      continue;
    std::vector<unsigned char> coverage(size_t(w) * size_t(h));
    stbtt_MakeCodepointBitmap(&font, coverage.data(), w, h, w, scale, scale, int(cell.character));
    // The bitmap's top-left within the cell; what reaches past the cell is cut.
    const int left = std::max(0, x0), top = out.ascent + y0;
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) {
        const int cx = left + i, cy = top + j;
        if (cx < 0 || cy < 0 || cx >= cell.width || cy >= cell.height)
          continue;
        const unsigned char a = coverage[size_t(j) * size_t(w) + size_t(i)];
        if (a)
          out.pixels.setPixel(uint32_t(cell.x + cx), uint32_t(cell.y + cy), 255, 255, 255, a);
      }
  }
  return true;
}

} // namespace fontmake
