#include "video/AnimationState.h"

#include "math/ColorScript.h"
#include "quip/Token.h"
#include "video/Canvas.h"

namespace animation {

namespace {

struct Keys {
  Symbol color = Symbol::intern(L"color");
  Symbol scale = Symbol::intern(L"scale");
  Symbol translation = Symbol::intern(L"translation");
  Symbol rotation = Symbol::intern(L"rotation");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

} // namespace

void AnimationState::apply(video::Canvas &canvas) const { canvas.applyAnimationState(*this); }

void AnimationState::unapply(video::Canvas &canvas) const { canvas.unapplyAnimationState(*this); }

void AnimationState::save(quip::Dictionary &d) const {
  const Keys &k = keys();
  if (!(color == math::Color::white))
    d.set(k.color, quip::toToken(color));
  if (scale.x != 1.0f || scale.y != 1.0f)
    d.set(k.scale, scale.toToken());
  if (translation.x != 0.0f || translation.y != 0.0f)
    d.set(k.translation, translation.toToken());
  if (rotation != 0.0f)
    d.set(k.rotation, quip::Token(rotation));
}

void AnimationState::load(const quip::Dictionary &d) {
  const Keys &k = keys();
  if (const quip::Token *t = d.lookup(k.color))
    t->get(color);
  if (const quip::Token *t = d.lookup(k.scale))
    t->get(scale);
  if (const quip::Token *t = d.lookup(k.translation))
    t->get(translation);
  if (const quip::Token *t = d.lookupTyped(k.rotation, quip::TYPE_NUMBER))
    t->get(rotation);
}

} // namespace animation
