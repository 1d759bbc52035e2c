#include "math/Circle.h"

#include "math/Scalar.h"
#include "quip/Token.h"

namespace math {

void Circle::load(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(SYM(L"radius")))
    t->get(radius);
  if (const quip::Token *t = dictionary.lookup(SYM(L"position")))
    position.fromToken(*t);
}

Rectangle Circle::boundingRectangle() const {
  Rectangle r;
  r.set(position.x - radius, position.y - radius, radius + radius, radius + radius);
  return r;
}

float Circle::area(float r) { return float(pi * double(r) * double(r)); }

Bounds2D *createBounds2D(const quip::Dictionary &dictionary) {
  const quip::Token *type = dictionary.lookup(SYM(L"type"));
  if (!type || !type->isSymbol())
    return nullptr;
  Bounds2D *shape = nullptr;
  if (type->symbol() == SYM(L"circle"))
    shape = new Circle();
  else if (type->symbol() == SYM(L"rectangle"))
    shape = new Rectangle();
  else
    return nullptr;
  shape->load(dictionary);
  return shape;
}

} // namespace math
