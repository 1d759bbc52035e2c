#pragma once
// The optional number keys of the animation definitions.

#include "quip/Token.h"

namespace math {

// False, out untouched, when the key is absent or does not hold a number.
inline bool readNumberKey(const quip::Dictionary &dict, Symbol key, float &out) {
  const quip::Token *token = dict.lookup(key);
  return token && token->get(out);
}

} // namespace math
