#pragma once
// The game's own colours: the block colours by index and the fixed tints of
// its pages and buttons.

#include "math/Color.h"
#include "xstring/String.h"

// 0 blue, 1 green, 2 magenta, 3 yellow, 4 red, 5 cyan; any other index white.
math::Color colorValue(unsigned int index);
// Display name of a block colour; empty for an index above 5.
String colorName(unsigned int index);

math::Color plumColor();
math::Color skyBlueColor();
math::Color cyanColor();
