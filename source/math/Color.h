#pragma once
// The colour value of the whole system: four floats, nominally 0 to 1. Only
// clamp, lerp and the HSV setters clamp; sums may exceed 1 on purpose (glow).

#include "xstring/String.h"

namespace quip {
class Token;
}

namespace math {

struct PackedColor;

class Color {
public:
  float r, g, b, a;

  constexpr Color() : r(1), g(1), b(1), a(1) {}
  constexpr Color(float r, float g, float b, float a) : r(r), g(g), b(b), a(a) {}
  explicit Color(const PackedColor &packed);
  Color(unsigned char r, unsigned char g, unsigned char b, unsigned char a);
  // From 0xRRGGBB, opaque.
  explicit Color(unsigned int rgb);

  void set(float r, float g, float b, float a) {
    this->r = r;
    this->g = g;
    this->b = b;
    this->a = a;
  }

  bool operator==(const Color &o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
  bool equals(const Color &o) const { return *this == o; }

  Color &operator+=(const Color &o) {
    r += o.r;
    g += o.g;
    b += o.b;
    a += o.a;
    return *this;
  }
  Color &operator-=(const Color &o) {
    r -= o.r;
    g -= o.g;
    b -= o.b;
    a -= o.a;
    return *this;
  }
  Color &operator*=(float f) {
    r *= f;
    g *= f;
    b *= f;
    a *= f;
    return *this;
  }
  // Modulation.
  Color &operator*=(const Color &o) {
    r *= o.r;
    g *= o.g;
    b *= o.b;
    a *= o.a;
    return *this;
  }

  void premultiplyAlpha() {
    r *= a;
    g *= a;
    b *= a;
  }
  void clamp();
  // this + (other - this) * t, clamped.
  Color lerp(const Color &other, float t) const;
  // Mean absolute difference of r, g and b; alpha is ignored.
  float distance(const Color &other) const;

  String toString() const;
  quip::Token toToken() const;
  // Elements 0 to 3 of a number array; anything else leaves the colour as it was.
  bool fromToken(const quip::Token &token);

  // HSV: hue in degrees, saturation and value 0 to 1.
  void getHSV(float &h, float &s, float &v) const;
  float hue() const;
  float saturation() const;
  float value() const;
  // Wraps the hue into 0..360 and clamps s and v; alpha is kept.
  void setHSV(float h, float s, float v);
  void setHue(float h);
  void setSaturation(float s);
  void setValue(float v);
  static Color fromHSV(float h, float s, float v, float a);

  static const Color black;
  static const Color white;
  static const Color red;
  static const Color green;
  static const Color blue;
  static const Color cyan;
  static const Color magenta;
  static const Color yellow;
  static const Color lightGray;
  static const Color gray;
  static const Color darkGray;
};

// Four bytes for pixel data and vertex colours.
struct PackedColor {
  unsigned char r, g, b, a;

  PackedColor() : r(0), g(0), b(0), a(0) {}
  PackedColor(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
      : r(r), g(g), b(b), a(a) {}
  // Clamped to 0..255 and truncated, not rounded: 0.999 gives 254.
  explicit PackedColor(const Color &c)
      : r(toByte(c.r)), g(toByte(c.g)), b(toByte(c.b)), a(toByte(c.a)) {}

  bool operator==(const PackedColor &o) const {
    return r == o.r && g == o.g && b == o.b && a == o.a;
  }

private:
  // The comparisons are written so that NaN lands on 0 instead of an
  // undefined float-to-integer conversion.
  static unsigned char toByte(float c) {
    float v = 255.0f * c;
    v = v > 0.0f ? v : 0.0f;
    v = v < 255.0f ? v : 255.0f;
    return (unsigned char)(unsigned)v;
  }
};

// Hue in degrees (0 to 360), saturation and value 0 to 1.
void rgbToHsv(float r, float g, float b, float &h, float &s, float &v);
void hsvToRgb(float h, float s, float v, float &r, float &g, float &b);

} // namespace math
