#pragma once
// Packs the textures a script lists into the texture file the running
// program reads at its first load step. Each image is generated, then
// stored in the format its options choose (png, jpeg with a separate alpha
// image when it has alpha, or ulv), written only through the engine's own
// writers.

#include "xstring/String.h"

namespace texpack {

// The script's list into the file; false, with the reason on standard
// error, when the script or an entry cannot be used or the file cannot be
// written (an old file is then left as it was).
bool packTextures(const String &scriptPath, const String &outputPath);
// The running target's texture file under a data root.
String textureFileUnder(const String &dataRoot);

} // namespace texpack
