#include "math/ColorScript.h"
#include "math/ScriptForms.h"

namespace math {

bool readToken(const quip::Token &token, Color &out) {
  float rgba[4];
  if (!readNumbers(token, rgba, 4))
    return false;
  out.set(rgba[0], rgba[1], rgba[2], rgba[3]);
  return true;
}

quip::Token Color::toToken() const {
  const float rgba[4] = {r, g, b, a};
  quip::Token token;
  numbersToken(rgba, 4, token);
  return token;
}

bool Color::fromToken(const quip::Token &token) { return readToken(token, *this); }

} // namespace math

namespace quip {

void toToken(const math::Color &value, Token &out) { out = value.toToken(); }

Token toToken(const math::Color &value) { return value.toToken(); }

bool lookupColor(const Dictionary &dictionary, Symbol key, Type expected, math::Color &out) {
  const Token *token = dictionary.lookupTyped(key, expected);
  if (!token)
    return false;
  return math::readToken(*token, out);
}

} // namespace quip
