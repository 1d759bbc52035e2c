#pragma once
// The scale that fits a size into an area.

#include "math/Vector2.h"

namespace GUI {

// With the ratios area / size on each axis: mode 0 the larger (cover), 1 the
// smaller (fit), 2 the smaller but at most 1 (fit, never enlarge); any other
// mode 1.
float fitScale(math::Vector2 size, math::Vector2 area, int mode);
// Against the window's size.
float fitScaleToScreen(math::Vector2 size, int mode);

} // namespace GUI
