#include "math/GameColors.h"

math::Color colorValue(unsigned int index) {
  switch (index) {
  case 0:
    return math::Color::blue;
  case 1:
    return math::Color::green;
  case 2:
    return math::Color::magenta;
  case 3:
    return math::Color::yellow;
  case 4:
    return math::Color::red;
  case 5:
    return math::Color::cyan;
  default:
    return math::Color::white;
  }
}

String colorName(unsigned int index) {
  static const wchar_t *const names[] = {L"Blue", L"Green", L"Magenta", L"Yellow", L"Red", L"Teal"};
  if (index >= sizeof(names) / sizeof(names[0]))
    return String();
  return String(names[index]);
}

math::Color plumColor() { return math::Color(0.29f, 0.11f, 0.28f, 1.0f); }
math::Color skyBlueColor() { return math::Color(0.2f, 0.7f, 0.98f, 1.0f); }
math::Color cyanColor() { return math::Color(0.0033333334f, 0.945098f, 0.99215686f, 1.0f); }
