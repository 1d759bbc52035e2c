// Conversions between RGB and HSV, and the HSV accessors of Color.
#include "math/Color.h"
#include "math/Scalar.h"

#include <cmath>

namespace math {

void rgbToHsv(float r, float g, float b, float &h, float &s, float &v) {
  float max = math::max(r, math::max(g, b));
  v = max;
  if (max == 0.0f) {
    s = 0.0f;
    h = 0.0f;
    return;
  }
  float min = math::min(r, math::min(g, b));
  float d = max - min;
  s = d / max;
  // A grey has no hue; 0 keeps NaN out of the setters that round-trip it.
  if (d == 0.0f) {
    h = 0.0f;
    return;
  }
  if (r == max)
    h = (g - b) / d;
  else if (g == max)
    h = 2.0f + (b - r) / d;
  else
    h = 4.0f + (r - g) / d;
  h *= 60.0f;
  if (h < 0.0f)
    h += 360.0f;
}

void hsvToRgb(float h, float s, float v, float &r, float &g, float &b) {
  if (s == 0.0f) {
    r = g = b = v;
    return;
  }
  float hh = h / 60.0f;
  float fl = std::floor(hh);
  float f = hh - fl;
  // The sector is taken modulo 6 so that a hue of exactly 360 (which the
  // hue wrap keeps) is red like 0, not magenta.
  int i = std::isfinite(fl) ? int(std::fmod(double(fl), 6.0)) : 0;
  if (i < 0)
    i += 6;
  float p = v * (1.0f - s);
  float q = v * (1.0f - s * f);
  float t = v * (1.0f - s * (1.0f - f));
  switch (i) {
  case 0:
    r = v, g = t, b = p;
    break;
  case 1:
    r = q, g = v, b = p;
    break;
  case 2:
    r = p, g = v, b = t;
    break;
  case 3:
    r = p, g = q, b = v;
    break;
  case 4:
    r = t, g = p, b = v;
    break;
  default:
    r = v, g = p, b = q;
    break;
  }
}

void Color::getHSV(float &h, float &s, float &v) const { rgbToHsv(r, g, b, h, s, v); }

float Color::hue() const {
  float h, s, v;
  getHSV(h, s, v);
  return h;
}

float Color::saturation() const {
  float h, s, v;
  getHSV(h, s, v);
  return s;
}

float Color::value() const {
  float h, s, v;
  getHSV(h, s, v);
  return v;
}

void Color::setHSV(float h, float s, float v) {
  h = math::wrap(h, 360.0f);
  s = math::max(0.0f, math::min(1.0f, s));
  v = math::max(0.0f, math::min(1.0f, v));
  hsvToRgb(h, s, v, r, g, b);
}

void Color::setHue(float hue) {
  float h, s, v;
  getHSV(h, s, v);
  setHSV(hue, s, v);
}

void Color::setSaturation(float saturation) {
  float h, s, v;
  getHSV(h, s, v);
  setHSV(h, saturation, v);
}

void Color::setValue(float value) {
  float h, s, v;
  getHSV(h, s, v);
  setHSV(h, s, value);
}

Color Color::fromHSV(float h, float s, float v, float a) {
  Color c;
  c.setHSV(h, s, v);
  c.a = a;
  return c;
}

} // namespace math
