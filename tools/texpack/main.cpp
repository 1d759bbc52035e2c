// texpack: generates the engine's own textures and packs them into the
// texture file of the running target, and draws the loading picture.
//   texpack SCRIPT DATAROOT   writes DATAROOT/ship/mediaPalm/textures.dat
//                             and DATAROOT/load/loadingScreen.png

#include "LoadingPicture.h"
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
  const String root = String::fromUtf8(argv[2]);
  const String output = texpack::textureFileUnder(root);
  if (!texpack::packTextures(String::fromUtf8(argv[1]), output) ||
      !texpack::writeLoadingPicture(root))
    return 1;
  xstring::write(stdout, String(L"texpack: wrote ") + output + L" and " + root +
                             L"/load/loadingScreen.png\n");
  return 0;
}
