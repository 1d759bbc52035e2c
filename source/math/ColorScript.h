#pragma once
// Script forms of colours: a literal array of the four numbers r, g, b, a.
// token.get(color) finds readToken by argument-dependent look-up.

#include "math/Color.h"
#include "quip/Token.h"

namespace math {

// From an array of at least four numbers; anything else leaves out unchanged
// and returns false.
bool readToken(const quip::Token &token, Color &out);

} // namespace math

namespace quip {

void toToken(const math::Color &value, Token &out);
Token toToken(const math::Color &value);
// False, out untouched, when the key is absent or its value is not a colour
// array.
bool lookupColor(const Dictionary &dictionary, Symbol key, Type expected, math::Color &out);

} // namespace quip
