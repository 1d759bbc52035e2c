// texpack: generates the engine's own textures and packs them into the
// texture file of the running target.
//   texpack SCRIPT DATAROOT   writes DATAROOT/ship/mediaPalm/textures.dat

#include "TexturePacker.h"

#include "quip/builtins/BuiltinTable.h"
#include "xstring/Print.h"

int main(int argc, char **argv) {
  if (argc != 3) {
    xstring::write(stderr, L"usage: texpack SCRIPT DATAROOT\n");
    return 2;
  }
  // The texture list is a script.
  quip::installBuiltins();
  const String output = texpack::textureFileUnder(String::fromUtf8(argv[2]));
  if (!texpack::packTextures(String::fromUtf8(argv[1]), output))
    return 1;
  xstring::write(stdout, String(L"texpack: wrote ") + output + L"\n");
  return 0;
}
