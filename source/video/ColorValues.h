#pragma once
// Colours in script values: a four-number array r, g, b, a.

#include "math/Color.h"
#include "quip/Token.h"

namespace video {

// False, and the colour unchanged, unless the token is an array of at least
// four numbers.
bool readColor(const quip::Token &token, math::Color &out);
quip::Token colorToken(const math::Color &color);

} // namespace video
