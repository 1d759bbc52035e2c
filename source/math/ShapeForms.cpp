// Dictionary forms of the plain 3-D shapes and the plane.

#include "math/Box3D.h"
#include "math/Capsule.h"
#include "math/Plane.h"
#include "math/Sphere.h"
#include "quip/Token.h"

namespace math {

namespace {

void saveUnlessZero(quip::Dictionary &dictionary, Symbol key, const Vector3 &v) {
  if (v != Vector3())
    dictionary.set(key, v.toToken());
}

void loadVector(const quip::Dictionary &dictionary, Symbol key, Vector3 &v) {
  if (const quip::Token *t = dictionary.lookup(key))
    v.fromToken(*t);
}

void saveUnlessZero(quip::Dictionary &dictionary, Symbol key, float f) {
  if (f != 0)
    dictionary.set(key, quip::Token(f));
}

void loadNumber(const quip::Dictionary &dictionary, Symbol key, float &f) {
  if (const quip::Token *t = dictionary.lookup(key))
    t->get(f);
}

} // namespace

void Box3D::save(quip::Dictionary &dictionary) const {
  saveUnlessZero(dictionary, SYM(L"center"), center);
  saveUnlessZero(dictionary, SYM(L"extents"), extents);
}

void Box3D::load(const quip::Dictionary &dictionary) {
  loadVector(dictionary, SYM(L"center"), center);
  loadVector(dictionary, SYM(L"extents"), extents);
}

void Sphere::save(quip::Dictionary &dictionary) const {
  saveUnlessZero(dictionary, SYM(L"radius"), radius);
  saveUnlessZero(dictionary, SYM(L"center"), center);
}

void Sphere::load(const quip::Dictionary &dictionary) {
  loadNumber(dictionary, SYM(L"radius"), radius);
  loadVector(dictionary, SYM(L"center"), center);
}

void Capsule::save(quip::Dictionary &dictionary) const {
  saveUnlessZero(dictionary, SYM(L"radius"), radius);
  saveUnlessZero(dictionary, SYM(L"start"), start);
  saveUnlessZero(dictionary, SYM(L"end"), end);
}

void Capsule::load(const quip::Dictionary &dictionary) {
  loadNumber(dictionary, SYM(L"radius"), radius);
  loadVector(dictionary, SYM(L"start"), start);
  loadVector(dictionary, SYM(L"end"), end);
}

void Plane::save(quip::Dictionary &dictionary) const {
  dictionary.set(SYM(L"point"), point.toToken());
  dictionary.set(SYM(L"normal"), normal.toToken());
}

void Plane::load(const quip::Dictionary &dictionary) {
  loadVector(dictionary, SYM(L"point"), point);
  if (const quip::Token *t = dictionary.lookup(SYM(L"normal")))
    if (normal.fromToken(*t))
      normal.normalize();
}

} // namespace math
