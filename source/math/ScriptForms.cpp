#include "math/ScriptForms.h"

namespace math {

bool readNumbers(const quip::Token &token, float *out, unsigned int count) {
  if (!token.isArray())
    return false;
  const quip::Array &array = token.array();
  if (array.count() < count)
    return false;
  for (unsigned int i = 0; i < count; ++i)
    if (!array[i].isNumber())
      return false;
  for (unsigned int i = 0; i < count; ++i)
    out[i] = array[i].number();
  return true;
}

void numbersToken(const float *values, unsigned int count, quip::Token &out) {
  quip::Array array(count);
  for (unsigned int i = 0; i < count; ++i)
    array.set(quip::Token(values[i]), i);
  out = quip::Token(array, false);
}

} // namespace math

namespace quip {

bool lookupVector3(const Dictionary &dictionary, Symbol key, Type expected, math::Vector3 &out) {
  const Token *found = dictionary.lookupTyped(key, expected);
  return found && out.fromToken(*found);
}

} // namespace quip
