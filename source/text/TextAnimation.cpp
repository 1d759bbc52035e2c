#include "text/TextAnimation.h"

#include "animation/AnimationDefinition.h"
#include "quip/Token.h"

#include <algorithm>
#include <cmath>

namespace {

struct Keys {
  Symbol animate = Symbol::intern(L"animate");
  Symbol animation = Symbol::intern(L"animation");
  Symbol animationTime = Symbol::intern(L"animationTime");
  Symbol characterDelay = Symbol::intern(L"characterDelay");
  Symbol frequency = Symbol::intern(L"frequency");
  Symbol magnitude = Symbol::intern(L"magnitude");
  Symbol offset = Symbol::intern(L"offset");
  Symbol slope = Symbol::intern(L"slope");
  Symbol waveSpeed = Symbol::intern(L"waveSpeed");
  Symbol animateWave = Symbol::intern(L"animateWave");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

void readNumber(const quip::Dictionary &d, Symbol key, float &out) {
  if (const quip::Token *t = d.lookupTyped(key, quip::TYPE_NUMBER))
    t->get(out);
}

} // namespace

TextAnimation::TextAnimation(const TextAnimation &other) { *this = other; }

TextAnimation &TextAnimation::operator=(const TextAnimation &other) {
  if (this == &other)
    return *this;
  animate = other.animate;
  animationTime = other.animationTime;
  characterDelay = other.characterDelay;
  frequency = other.frequency;
  magnitude = other.magnitude;
  offset = other.offset;
  slope = other.slope;
  waveSpeed = other.waveSpeed;
  animateWave = other.animateWave;
  setAnimation(other.m_animation ? new animation::AnimationDefinition(*other.m_animation)
                                 : nullptr);
  return *this;
}

TextAnimation::~TextAnimation() { delete m_animation; }

void TextAnimation::setAnimation(animation::AnimationDefinition *animation) {
  if (animation == m_animation)
    return;
  delete m_animation;
  m_animation = animation;
}

void TextAnimation::update(float dt) {
  if (animate)
    animationTime += dt;
}

void TextAnimation::characterState(animation::AnimationState &out, int index) const {
  if (m_animation)
    m_animation->evaluate(out, std::max(animationTime - float(index) * characterDelay, 0.0f));
}

float TextAnimation::waveOffset(float x) const {
  float phase = animateWave ? animationTime * waveSpeed : 0.0f;
  return std::sin(phase + offset + x * frequency) * magnitude + x * slope;
}

void TextAnimation::read(const quip::Dictionary &d) {
  const Keys &k = keys();
  if (const quip::Token *t = d.lookupTyped(k.animate, quip::TYPE_SYMBOL))
    animate = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.animation, quip::TYPE_DICTIONARY)) {
    if (t->isDictionary()) {
      auto *definition = new animation::AnimationDefinition;
      definition->load(t->dictionary());
      setAnimation(definition);
    }
  }
  readNumber(d, k.animationTime, animationTime);
  readNumber(d, k.characterDelay, characterDelay);
  readNumber(d, k.frequency, frequency);
  readNumber(d, k.magnitude, magnitude);
  readNumber(d, k.offset, offset);
  readNumber(d, k.slope, slope);
  readNumber(d, k.waveSpeed, waveSpeed);
  if (const quip::Token *t = d.lookupTyped(k.animateWave, quip::TYPE_SYMBOL))
    animateWave = t->toBool();
}
