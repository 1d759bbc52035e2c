#pragma once
// The picture the program shows while it loads: 320 x 480, drawn here and
// written as "load/loadingScreen.png" under the data root.

#include "surface/PixelBuffer.h"
#include "xstring/String.h"

namespace texpack {

// rgb888: a dark blue to teal fall from top to bottom with a light ring in
// the middle.
void makeLoadingPicture(PixelBuffer &out);
// False, with the reason on standard error, when it cannot be written.
bool writeLoadingPicture(const String &dataRoot);

} // namespace texpack
