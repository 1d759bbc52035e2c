#pragma once
// Packs the textures a script lists into the texture file the running
// program reads at its first load step. Each image is generated, then
// stored in the format its options choose (png, jpeg with a separate alpha
// image when it has alpha, or ulv), written only through the engine's own
// writers.

#include "container/Vector.h"
#include "surface/PixelBuffer.h"
#include "xstring/String.h"

namespace texpack {

// An image made by another tool (the font maker's atlas), packed beside the
// script's list as png: square, its side a power of two.
struct MadeTexture {
  String name;
  PixelBuffer pixels;
  bool mipmap = false;
  bool wrap = false;
};

// The script's list (and the made images) into the file; false, with the
// reason on standard error, when the script or an entry cannot be used or
// the file cannot be written (an old file is then left as it was).
bool packTextures(const String &scriptPath, const String &outputPath,
                  const container::Vector<const MadeTexture *> &made = {});
// The running target's texture file under a data root.
String textureFileUnder(const String &dataRoot);

} // namespace texpack
