#include "video/ColorValues.h"

namespace video {

bool readColor(const quip::Token &token, math::Color &out) {
  if (!token.isArray())
    return false;
  const quip::Array &array = token.array();
  if (array.count() < 4)
    return false;
  for (unsigned int i = 0; i < 4; ++i)
    if (!array[i].isNumber())
      return false;
  out = math::Color(array[0].number(), array[1].number(), array[2].number(), array[3].number());
  return true;
}

quip::Token colorToken(const math::Color &color) {
  quip::Array array(0);
  array.reserve(4);
  array.append(quip::Token(color.r));
  array.append(quip::Token(color.g));
  array.append(quip::Token(color.b));
  array.append(quip::Token(color.a));
  return quip::Token(array, false);
}

} // namespace video
