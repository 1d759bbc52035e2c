#pragma once
// Lines of text in the font "font", one under the other, centred on the
// window: what the stand-in pages show.

#include "container/Vector.h"
#include "xstring/String.h"

namespace video {
class Canvas;
}

namespace GUI {

// Nothing without the font.
void drawStandInLines(video::Canvas &canvas, const container::Vector<String> &lines);

} // namespace GUI
