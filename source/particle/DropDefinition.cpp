#include "particle/DropDefinition.h"

#include "animation/AnimationDefinition.h"
#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "billboard/Billboard2D.h"
#include "file/Database.h"
#include "math/NumberKey.h"
#include "particle/Drop.h"
#include "particle/OscillatorDefinition.h"
#include "particle/ParticleKeys.h"
#include "particle/ParticleSystemFactory.h"
#include "quip/ScriptFrame.h"
#include "quip/Token.h"
#include "text/FormattedText.h"

namespace {

struct DropKeys {
  Symbol name = Symbol::intern(L"name");
  Symbol lifespan = Symbol::intern(L"lifespan");
  Symbol rotation = Symbol::intern(L"rotation");
  Symbol delay = Symbol::intern(L"delay");
  Symbol alignToVelocity = Symbol::intern(L"alignToVelocity");
  Symbol center = Symbol::intern(L"center");
  Symbol billboard = Symbol::intern(L"billboard");
  Symbol skeleton = Symbol::intern(L"skeleton");
  Symbol oscillator = Symbol::intern(L"oscillator");
  Symbol formattedText = Symbol::intern(L"formattedText");
  Symbol font = Symbol::intern(L"font");
  Symbol particleSystem = Symbol::intern(L"particleSystem");
  Symbol animation = Symbol::intern(L"animation");
  Symbol scriptChannel = Symbol::intern(L"scriptChannel");
};

const DropKeys &keys() {
  static const DropKeys k;
  return k;
}

bool symbolAt(const quip::Dictionary &d, Symbol key, Symbol &out) {
  const quip::Token *t = d.lookupTyped(key, quip::TYPE_SYMBOL);
  return t && t->get(out);
}

} // namespace

DropDefinition::~DropDefinition() {
  delete m_billboard;
  for (OscillatorDefinition *oscillator : m_oscillators)
    delete oscillator;
  delete m_formattedText;
  delete m_animation;
  delete m_scriptChannel;
}

void DropDefinition::setBillboard(Billboard2D *billboard) {
  if (billboard != m_billboard)
    delete m_billboard;
  m_billboard = billboard;
}

void DropDefinition::setFormattedText(text::FormattedText *formattedText) {
  if (formattedText != m_formattedText)
    delete m_formattedText;
  m_formattedText = formattedText;
}

void DropDefinition::setAnimation(animation::AnimationDefinition *animation) {
  if (animation != m_animation)
    delete m_animation;
  m_animation = animation;
}

void DropDefinition::setScriptChannel(quip::ScriptFrameTrack *scriptChannel) {
  if (scriptChannel != m_scriptChannel)
    delete m_scriptChannel;
  m_scriptChannel = scriptChannel;
}

void DropDefinition::read(Database *database, const quip::Dictionary &d) {
  const DropKeys &k = keys();
  Database *assets = database ? database : Database::current();
  symbolAt(d, k.name, name);
  math::readNumberKey(d, k.lifespan, lifespan);
  math::readNumberKey(d, k.rotation, rotation);
  math::readNumberKey(d, k.delay, delay);
  quip::lookupBool(d, k.alignToVelocity, quip::TYPE_SYMBOL, alignToVelocity);
  if (const quip::Token *t = d.lookup(k.center))
    t->get(center);
  if (const quip::Dictionary *b = dictionaryAt(d, k.billboard)) {
    auto *billboard = new Billboard2D;
    billboard->read(database, *b);
    setBillboard(billboard);
  }
  Symbol skeletonName;
  if (symbolAt(d, k.skeleton, skeletonName))
    if (SkeletonStore *store = assets ? SkeletonStore::of(*assets) : nullptr)
      skeleton = store->skeleton(skeletonName);
  if (dictionaryAt(d, k.oscillator)) {
    auto *oscillator = new OscillatorDefinition;
    oscillator->read(d);
    addOscillator(oscillator);
  }
  if (const quip::Dictionary *f = dictionaryAt(d, k.formattedText)) {
    Symbol font = k.font;
    symbolAt(*f, k.font, font);
    auto *text = new text::FormattedText(database, font);
    text->read(database, *f);
    setFormattedText(text);
  }
  Symbol systemName;
  if (symbolAt(d, k.particleSystem, systemName))
    if (ParticleSystemFactory *factory = assets ? ParticleSystemFactory::of(*assets) : nullptr)
      particleSystem = factory->definition(systemName);
  if (const quip::Dictionary *a = dictionaryAt(d, k.animation)) {
    auto *animation = new animation::AnimationDefinition;
    animation->load(*a);
    setAnimation(animation);
  }
  if (const quip::Dictionary *s = dictionaryAt(d, k.scriptChannel)) {
    auto *channel = new quip::ScriptFrameTrack;
    channel->read(*s);
    setScriptChannel(channel);
  }
}

Drop *DropDefinition::instantiate(const math::Vector2 &position) {
  return new Drop(this, position);
}
