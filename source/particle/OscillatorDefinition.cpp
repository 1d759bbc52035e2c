#include "particle/OscillatorDefinition.h"

#include "math/Color.h"
#include "math/NumberKey.h"
#include "quip/Token.h"
#include "video/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

struct OscillatorKeys {
  Symbol target = Symbol::intern(L"target");
  Symbol initialValue = Symbol::intern(L"initialValue");
  Symbol magnitude = Symbol::intern(L"magnitude");
  Symbol magnitudeDecay = Symbol::intern(L"magnitudeDecay");
  Symbol frequency = Symbol::intern(L"frequency");
  Symbol frequencyDecay = Symbol::intern(L"frequencyDecay");
  Symbol offset = Symbol::intern(L"offset");
  Symbol lifespan = Symbol::intern(L"lifespan");
  // By target.
  Symbol targets[OscillatorDefinition::NONE] = {
      Symbol::intern(L"color"), Symbol::intern(L"r"), Symbol::intern(L"g"),
      Symbol::intern(L"b"),     Symbol::intern(L"a"), Symbol::intern(L"scale"),
      Symbol::intern(L"x"),     Symbol::intern(L"y"), Symbol::intern(L"rotation")};
};

const OscillatorKeys &keys() {
  static const OscillatorKeys k;
  return k;
}

} // namespace

void OscillatorDefinition::read(const quip::Dictionary &d) {
  const OscillatorKeys &k = keys();
  if (const quip::Token *t = d.lookupTyped(k.target, quip::TYPE_SYMBOL); t && t->isSymbol()) {
    target = NONE;
    for (int i = 0; i < NONE; ++i)
      if (k.targets[i] == t->symbol())
        target = i;
  }
  math::readNumberKey(d, k.initialValue, initialValue);
  math::readNumberKey(d, k.magnitude, magnitude);
  math::readNumberKey(d, k.magnitudeDecay, magnitudeDecay);
  math::readNumberKey(d, k.frequency, frequency);
  math::readNumberKey(d, k.frequencyDecay, frequencyDecay);
  math::readNumberKey(d, k.offset, offset);
  math::readNumberKey(d, k.lifespan, lifespan);
}

float OscillatorDefinition::value(float t) const {
  float m = std::max(0.0f, magnitude - magnitudeDecay * t);
  float f = std::max(0.0f, frequency - frequencyDecay * t);
  return float(double(initialValue) + double(m) * std::sin(double(offset) + double(f) * t));
}

bool OscillatorDefinition::isFinished(float t) const {
  return (lifespan >= 0.0f && t > lifespan) || magnitude <= 0.0f;
}

void OscillatorDefinition::apply(video::Canvas &canvas, float t) const {
  if (target < COLOR || target >= NONE)
    return;
  float v = value(t);
  if (target <= ALPHA) {
    math::Color c(1.0f, 1.0f, 1.0f, 1.0f);
    switch (target) {
    case COLOR:
      c.set(v, v, v, v);
      break;
    case RED:
      c.r = v;
      break;
    case GREEN:
      c.g = v;
      break;
    case BLUE:
      c.b = v;
      break;
    default:
      c.a = v;
      break;
    }
    canvas.pushColor();
    canvas.multiplyColor(c);
    return;
  }
  canvas.pushMatrix();
  switch (target) {
  case SCALE:
    canvas.scale(v, v, 1.0f);
    break;
  case SCALE_X:
    canvas.scale(v, 1.0f, 1.0f);
    break;
  case SCALE_Y:
    canvas.scale(1.0f, v, 1.0f);
    break;
  default:
    canvas.rotate(v, 0.0f, 0.0f, -1.0f);
    break;
  }
}

void OscillatorDefinition::unapply(video::Canvas &canvas) const {
  if (target >= COLOR && target <= ALPHA)
    canvas.popColor();
  else if (target >= SCALE && target < NONE)
    canvas.popMatrix();
}
