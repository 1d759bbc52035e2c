// fontmake: rasterises a TrueType font for the engine.
//   fontmake FONT.ttf TEXTURESCRIPT DATAROOT
// packs the atlas beside the textures TEXTURESCRIPT lists into the running
// target's texture file, and writes DATAROOT/config/fonts.! (the font "font")
// and its glyph file DATAROOT/config/fontGlyphs.!.

#include "FontRaster.h"
#include "FontScripts.h"
#include "TexturePacker.h"

#include "quip/builtins/BuiltinTable.h"
#include "xstring/Print.h"

int main(int argc, char **argv) {
  if (argc != 4) {
    xstring::write(stderr, L"usage: fontmake FONT.ttf TEXTURESCRIPT DATAROOT\n");
    return 2;
  }
  // The texture list is a script.
  quip::installBuiltins();
  const String root = String::fromUtf8(argv[3]);
  texpack::MadeTexture atlas;
  atlas.name = L"fontDejaVuSans";
  fontmake::FontAtlas font;
  String reason;
  if (!fontmake::rasterizeFont(String::fromUtf8(argv[1]), 18.0f, font, reason)) {
    xstring::write(stderr, String(L"fontmake: ") + reason + L"\n");
    return 1;
  }
  atlas.pixels.copy(font.pixels);
  container::Vector<const texpack::MadeTexture *> made;
  made.push(&atlas);
  const String output = texpack::textureFileUnder(root);
  if (!texpack::packTextures(String::fromUtf8(argv[2]), output, made) ||
      !fontmake::writeFontScripts(font, Symbol::intern(L"font"), Symbol::intern(atlas.name), root))
    return 1;
  xstring::write(stdout,
                 String(L"fontmake: wrote ") + output + L" and " + root + L"/config/fonts.!\n");
  return 0;
}
