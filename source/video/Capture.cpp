#include "video/Capture.h"

namespace video {

// Frames are written once image files can be; until then nothing is taken.

void Capture::read(const quip::Dictionary &) {}

void Capture::frameRendered() {}

void Capture::render(Canvas &) {}

} // namespace video
