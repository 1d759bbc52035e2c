#pragma once
// The fixed-function lighting material of a lit surface; the canvas applies
// it with glMaterialfv.

#include "math/Color.h"

namespace quip {
class Dictionary;
}

namespace video {

class Canvas;

class Material {
public:
  Material();

  // Each key present sets its field; absent keys leave fields unchanged.
  void read(const quip::Dictionary &dictionary);
  // Only the fields that differ from their defaults.
  void write(quip::Dictionary &dictionary) const;
  bool operator==(const Material &other) const;
  bool operator!=(const Material &other) const { return !(*this == other); }
  // Every colour's alpha is 1.0 or more.
  bool isOpaque() const;
  void apply(Canvas &canvas) const;

  math::Color ambient;
  math::Color diffuse;
  math::Color specular;
  math::Color emission;
  float shininess;
};

} // namespace video
