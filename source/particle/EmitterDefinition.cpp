#include "particle/EmitterDefinition.h"

#include "billboard/Billboard3D.h"
#include "error/Report.h"
#include "math/Channel.h"
#include "math/ColorScript.h"
#include "particle/Mover.h"
#include "particle/ParticleKeys.h"
#include "particle/SameVector.h"
#include "particle/Spout.h"
#include "quip/NumberConversion.h"
#include "quip/Token.h"

EmitterDefinition::~EmitterDefinition() {
  delete billboard;
  delete spout;
  delete mover;
}

void EmitterDefinition::setBillboard(Billboard3D *b) {
  if (b != billboard)
    delete billboard;
  billboard = b;
}

void EmitterDefinition::setSpout(Spout *s) {
  if (s != spout)
    delete spout;
  spout = s;
}

void EmitterDefinition::setMover(Mover *m) {
  if (m != mover)
    delete mover;
  mover = m;
}

// NaN takes the floor too: a threshold that no charge reaches, or that the
// charge never falls below, would stop emission or never end it.
void EmitterDefinition::floorChargeThreshold() {
  if (!(chargeThreshold >= MinimumChargeThreshold))
    chargeThreshold = MinimumChargeThreshold;
}

bool EmitterDefinition::refuseIncomplete() const {
  if (isComplete())
    return false;
  framework::reportError(billboard ? L"Emitter definition without a spout: not written"
                                   : L"Emitter definition without a billboard: not written");
  return true;
}

math::Channel *EmitterDefinition::getChannel(Symbol name) const {
  const ParticleKeys &k = particleKeys();
  if (name == k.rotation)
    return initialRotation.channel();
  if (name == k.scale)
    return initialScale.channel();
  if (name == k.scaleX)
    return initialScale.channelX();
  if (name == k.scaleY)
    return initialScale.channelY();
  if (name == k.colorR)
    return initialColor.channelR();
  if (name == k.colorG)
    return initialColor.channelG();
  if (name == k.colorB)
    return initialColor.channelB();
  if (name == k.colorA)
    return initialColor.channelA();
  return Animatable::getChannel(name);
}

void EmitterDefinition::setChannel(Symbol name, math::Channel *channel) {
  const ParticleKeys &k = particleKeys();
  if (name == k.rotation)
    initialRotation.setChannel(channel);
  else if (name == k.scale)
    initialScale.setChannel(channel);
  else if (name == k.scaleX)
    initialScale.setChannelX(channel);
  else if (name == k.scaleY)
    initialScale.setChannelY(channel);
  else if (name == k.colorR)
    initialColor.setChannelR(channel);
  else if (name == k.colorG)
    initialColor.setChannelG(channel);
  else if (name == k.colorB)
    initialColor.setChannelB(channel);
  else if (name == k.colorA)
    initialColor.setChannelA(channel);
  else
    Animatable::setChannel(name, channel);
}

namespace {

void readFloat(const quip::Dictionary &d, Symbol key, float &out) {
  if (const quip::Token *t = d.lookup(key))
    t->get(out);
}

template <typename V> void readVector(const quip::Dictionary &d, Symbol key, V &out) {
  if (const quip::Token *t = d.lookup(key))
    t->get(out);
}

} // namespace

void EmitterDefinition::read(Database *database, const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  if (const quip::Dictionary *b = dictionaryAt(d, k.billboard)) {
    if (!billboard)
      billboard = new Billboard3D;
    billboard->read(database, *b);
  }
  if (const quip::Dictionary *s = dictionaryAt(d, k.spout))
    setSpout(createSpout(*s));
  if (const quip::Dictionary *m = dictionaryAt(d, k.mover))
    setMover(createMover(*m));
  readFloat(d, k.lifespan, lifespan);
  readFloat(d, k.particleLifespan, particleLifespan);
  if (const quip::Token *t = d.lookupTyped(k.align, quip::TYPE_SYMBOL)) {
    Symbol s;
    if (t->get(s) && s == k.none)
      align = ALIGN_NONE;
    else if (s == k.toVelocity)
      align = ALIGN_TO_VELOCITY;
  }
  readFloat(d, k.angleVariance, angleVariance);
  readFloat(d, k.angleIncrement, angleIncrement);
  readVector(d, k.scaleVariance, scaleVariance);
  readFloat(d, k.velocityScalar, velocityScalar);
  readVector(d, k.initialVelocity, initialVelocity);
  readFloat(d, k.randomInitialVelocity, randomInitialVelocity);
  float number = 0.0f;
  if (const quip::Token *t = d.lookup(k.maxParticles); t && t->get(number))
    maxParticles = quip::clampToInt(number);
  if (const quip::Token *t = d.lookup(k.initialParticles); t && t->get(number))
    initialParticles = quip::clampToUnsigned(number);
  readFloat(d, k.chargeThreshold, chargeThreshold);
  floorChargeThreshold();
  if (const quip::Token *t = d.lookup(k.particlesPerCharge); t && t->get(number))
    particlesPerCharge = quip::clampToUnsigned(number);
  math::Color color;
  if (quip::lookupColor(d, k.initialColor, quip::TYPE_ARRAY, color))
    initialColor.setValue(color);
  math::Vector2 scale;
  if (const quip::Token *t = d.lookup(k.initialScale); t && t->get(scale))
    initialScale.setValue(scale);
  if (const quip::Token *t = d.lookupTyped(k.initialRotation, quip::TYPE_NUMBER);
      t && t->get(number))
    initialRotation.setValue(number);
  quip::lookupBool(d, k.pointSpritesEnabled, quip::TYPE_SYMBOL, pointSpritesEnabled);
  readVector(d, k.pointSpriteAttenuation, pointSpriteAttenuation);
  quip::lookupBool(d, k.pointSpritesIn2D, quip::TYPE_SYMBOL, pointSpritesIn2D);
  load(d);
}

bool EmitterDefinition::write(quip::Dictionary &d) const {
  if (refuseIncomplete())
    return false;
  const ParticleKeys &k = particleKeys();
  quip::Dictionary billboardDictionary;
  billboard->write(billboardDictionary);
  d.set(k.billboard, quip::Token(billboardDictionary));
  quip::Dictionary spoutDictionary;
  spout->write(spoutDictionary);
  d.set(k.spout, quip::Token(spoutDictionary));
  if (mover) {
    quip::Dictionary moverDictionary;
    mover->write(moverDictionary);
    d.set(k.mover, quip::Token(moverDictionary));
  }
  auto number = [&](Symbol key, float value, float byDefault) {
    if (value != byDefault)
      d.set(key, quip::Token(value));
  };
  number(k.lifespan, lifespan, -1.0f);
  number(k.particleLifespan, particleLifespan, 1.0f);
  if (align == ALIGN_TO_VELOCITY)
    d.set(k.align, quip::Token(k.toVelocity, false));
  number(k.angleVariance, angleVariance, 0.0f);
  number(k.angleIncrement, angleIncrement, 0.0f);
  if (!sameVector(scaleVariance, math::Vector2()))
    d.set(k.scaleVariance, scaleVariance.toToken());
  number(k.velocityScalar, velocityScalar, 1.0f);
  if (initialVelocity != math::Vector3())
    d.set(k.initialVelocity, initialVelocity.toToken());
  number(k.randomInitialVelocity, randomInitialVelocity, 0.0f);
  if (maxParticles != -1)
    d.set(k.maxParticles, quip::Token(float(maxParticles)));
  if (initialParticles != 0)
    d.set(k.initialParticles, quip::Token(float(initialParticles)));
  number(k.chargeThreshold, chargeThreshold, DefaultChargeThreshold);
  if (particlesPerCharge != 1)
    d.set(k.particlesPerCharge, quip::Token(float(particlesPerCharge)));
  if (!(initialColor.value() == math::Color::white))
    d.set(k.initialColor, quip::toToken(initialColor.value()));
  if (!sameVector(initialScale.value(), math::Vector2(1.0f, 1.0f)))
    d.set(k.initialScale, initialScale.value().toToken());
  number(k.initialRotation, initialRotation.value(), 0.0f);
  if (pointSpritesEnabled)
    d.set(k.pointSpritesEnabled, quip::boolToken(true));
  if (pointSpriteAttenuation != math::Vector3(1.0f, 0.0f, 0.0f))
    d.set(k.pointSpriteAttenuation, pointSpriteAttenuation.toToken());
  if (pointSpritesIn2D)
    d.set(k.pointSpritesIn2D, quip::boolToken(true));

  quip::Dictionary channels;
  for (Symbol name :
       {k.rotation, k.scale, k.scaleX, k.scaleY, k.colorR, k.colorG, k.colorB, k.colorA}) {
    if (const math::Channel *channel = getChannel(name)) {
      quip::Dictionary saved;
      channel->save(saved);
      channels.set(name, quip::Token(saved));
    }
  }
  if (!channels.isEmpty())
    d.set(k.channels, quip::Token(channels));
  return true;
}
