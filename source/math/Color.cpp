#include "math/Color.h"

#include <cmath>

namespace math {

// Constant-initialised, so they are ready before any other start-up code.
const Color Color::black(0.0f, 0.0f, 0.0f, 1.0f);
const Color Color::white(1.0f, 1.0f, 1.0f, 1.0f);
const Color Color::red(1.0f, 0.0f, 0.0f, 1.0f);
const Color Color::green(0.0f, 1.0f, 0.0f, 1.0f);
const Color Color::blue(0.0f, 0.0f, 1.0f, 1.0f);
const Color Color::cyan(0.0f, 1.0f, 1.0f, 1.0f);
const Color Color::magenta(1.0f, 0.0f, 1.0f, 1.0f);
const Color Color::yellow(1.0f, 1.0f, 0.0f, 1.0f);
const Color Color::lightGray(0.75f, 0.75f, 0.75f, 1.0f);
const Color Color::gray(0.5f, 0.5f, 0.5f, 1.0f);
const Color Color::darkGray(0.25f, 0.25f, 0.25f, 1.0f);

namespace {
float fromByte(unsigned int byte) { return float(byte / 255.0); }
float clampUnit(float c) { return std::fmax(0.0f, std::fmin(1.0f, c)); }
} // namespace

Color::Color(const PackedColor &p)
    : r(fromByte(p.r)), g(fromByte(p.g)), b(fromByte(p.b)), a(fromByte(p.a)) {}

Color::Color(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
    : r(fromByte(r)), g(fromByte(g)), b(fromByte(b)), a(fromByte(a)) {}

Color::Color(unsigned int rgb)
    : r(fromByte((rgb >> 16) & 0xff)), g(fromByte((rgb >> 8) & 0xff)), b(fromByte(rgb & 0xff)),
      a(1.0f) {}

void Color::clamp() {
  r = clampUnit(r);
  g = clampUnit(g);
  b = clampUnit(b);
  a = clampUnit(a);
}

Color Color::lerp(const Color &other, float t) const {
  Color c = other;
  c -= *this;
  c *= t;
  c += *this;
  c.clamp();
  return c;
}

float Color::distance(const Color &o) const {
  return (std::fabs(r - o.r) + std::fabs(g - o.g) + std::fabs(b - o.b)) / 3.0f;
}

String Color::toString() const {
  return String::format(L"%.2f,%.2f,%.2f,%.2f", double(r), double(g), double(b), double(a));
}

} // namespace math
