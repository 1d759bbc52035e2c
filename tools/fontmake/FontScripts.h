#pragma once
// The scripts that describe a rasterised font to the engine: "config/fonts.!"
// (the font's name, glyph file, baseline, spacing and ascent) and the glyph
// file (a list of {"character", "billboard"}), written with the engine's
// script value writer and billboard writer.

#include "FontRaster.h"

#include "quip/Token.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace fontmake {

// The list of glyph entries, each a billboard on the atlas texture.
quip::Token glyphList(const FontAtlas &atlas, Symbol textureName);
// The font list holding one font of that name reading that glyph file
// (relative to the data root).
quip::Token fontList(const FontAtlas &atlas, Symbol fontName, const String &glyphFile);
// Both files under the data root; false, with the reason on standard error,
// when one cannot be written.
bool writeFontScripts(const FontAtlas &atlas, Symbol fontName, Symbol textureName,
                      const String &dataRoot);

} // namespace fontmake
