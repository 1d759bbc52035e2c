#include "video/Material.h"

#include "quip/Token.h"
#include "video/Canvas.h"
#include "video/ColorValues.h"

namespace video {

namespace {

const math::Color defaultEmission(0.0f, 0.0f, 0.0f, 1.0f);

struct Keys {
  Symbol ambient = Symbol::intern(L"ambient");
  Symbol diffuse = Symbol::intern(L"diffuse");
  Symbol specular = Symbol::intern(L"specular");
  Symbol emission = Symbol::intern(L"emission");
  Symbol shininess = Symbol::intern(L"shininess");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

void readColorKey(const quip::Dictionary &d, Symbol key, math::Color &out) {
  if (const quip::Token *token = d.lookupTyped(key, quip::TYPE_ARRAY))
    readColor(*token, out);
}

} // namespace

Material::Material()
    : ambient(1.0f, 1.0f, 1.0f, 1.0f), diffuse(1.0f, 1.0f, 1.0f, 1.0f),
      specular(1.0f, 1.0f, 1.0f, 1.0f), emission(defaultEmission), shininess(0.0f) {}

void Material::read(const quip::Dictionary &dictionary) {
  const Keys &k = keys();
  readColorKey(dictionary, k.ambient, ambient);
  readColorKey(dictionary, k.diffuse, diffuse);
  readColorKey(dictionary, k.specular, specular);
  readColorKey(dictionary, k.emission, emission);
  if (const quip::Token *token = dictionary.lookupTyped(k.shininess, quip::TYPE_NUMBER))
    token->get(shininess);
}

void Material::write(quip::Dictionary &dictionary) const {
  const Keys &k = keys();
  const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);
  if (!(ambient == white))
    dictionary.set(k.ambient, colorToken(ambient));
  if (!(diffuse == white))
    dictionary.set(k.diffuse, colorToken(diffuse));
  if (!(specular == white))
    dictionary.set(k.specular, colorToken(specular));
  if (!(emission == defaultEmission))
    dictionary.set(k.emission, colorToken(emission));
  if (shininess != 0.0f)
    dictionary.set(k.shininess, quip::Token(shininess));
}

bool Material::operator==(const Material &o) const {
  return ambient == o.ambient && diffuse == o.diffuse && specular == o.specular &&
         emission == o.emission && shininess == o.shininess;
}

bool Material::isOpaque() const {
  return ambient.a >= 1.0f && diffuse.a >= 1.0f && specular.a >= 1.0f && emission.a >= 1.0f;
}

void Material::apply(Canvas &canvas) const { canvas.setMaterial(*this); }

} // namespace video
