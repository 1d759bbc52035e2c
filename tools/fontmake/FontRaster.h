#pragma once
// A TrueType font rasterised at one pixel height into a square atlas: one
// cell per character 33 to 126, as wide as the character's advance and as
// high as the line, its baseline `descent` pixels above the cell's bottom.
// The atlas is white with the glyphs' coverage as alpha.

#include "surface/PixelBuffer.h"
#include "xstring/String.h"

#include <vector>

namespace fontmake {

struct GlyphCell {
  unsigned character = 0;
  // The cell's top-left pixel in the atlas and its size.
  int x = 0, y = 0, width = 0, height = 0;
};

struct FontAtlas {
  PixelBuffer pixels;
  std::vector<GlyphCell> cells;
  // Pixels above and below the baseline; their sum is the line height.
  int ascent = 0;
  int descent = 0;
};

// False, with the reason, when the font file cannot be read or used, or the
// glyphs do not fit an atlas of 1024 pixels.
bool rasterizeFont(const String &fontPath, float pixelHeight, FontAtlas &out, String &reason);

} // namespace fontmake
