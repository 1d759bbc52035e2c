#include "animation/SkeletonEvent.h"

#include "animation/SkeletonKeys.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"
#include "math/ColorBinary.h"
#include "math/ColorScript.h"
#include "math/NumberKey.h"
#include "quip/Token.h"

namespace animation {

namespace {

EventTouchers g_touchers;

// A symbol value where present.
void readSymbol(const quip::Dictionary &d, Symbol key, Symbol &out) {
  if (const quip::Token *t = d.lookupTyped(key, quip::TYPE_SYMBOL))
    t->get(out);
}

} // namespace

const SkeletonKeys &skeletonKeys() {
  static const SkeletonKeys keys;
  return keys;
}

void setEventTouchers(const EventTouchers &touchers) { g_touchers = touchers; }

SkeletonEvent *SkeletonEvent::make(unsigned kind) {
  switch (kind) {
  case SOUND:
    return new SkeletonEventSound;
  case PARTICLE_SYSTEM:
    return new SkeletonEventParticleSystem;
  case GENERIC:
    return new SkeletonEventGeneric;
  case FINAL:
    return new SkeletonEventFinal;
  default:
    return nullptr;
  }
}

SkeletonEvent::Kind SkeletonEvent::kindOf(Symbol type) {
  const SkeletonKeys &k = skeletonKeys();
  for (unsigned kind = 0; kind < KIND_COUNT; ++kind)
    if (k.kinds[kind] == type)
      return Kind(kind);
  return KIND_COUNT;
}

void SkeletonEvent::read(Database *, const quip::Dictionary &d) {
  math::readNumberKey(d, skeletonKeys().time, time);
}

void SkeletonEvent::write(quip::Dictionary &d) const {
  const SkeletonKeys &k = skeletonKeys();
  d.set(k.type, quip::Token(k.kinds[kind()], false));
  if (time != 0.0f)
    d.set(k.time, quip::Token(time));
}

bool SkeletonEvent::deserialize(Database *, file::ByteProducer &in) {
  file::read(time, in);
  return !in.overrun();
}

void SkeletonEvent::serialize(file::ByteReceiver &out) const {
  file::write(uint8_t(kind()), out);
  file::write(time, out);
}

void SkeletonEventSound::read(Database *database, const quip::Dictionary &d) {
  SkeletonEvent::read(database, d);
  const SkeletonKeys &k = skeletonKeys();
  readSymbol(d, k.sound, sound);
  math::readNumberKey(d, k.volume, volume);
  math::readNumberKey(d, k.frequency, frequency);
}

void SkeletonEventSound::write(quip::Dictionary &d) const {
  SkeletonEvent::write(d);
  const SkeletonKeys &k = skeletonKeys();
  d.set(k.sound, quip::Token(sound, false));
  if (volume != 1.0f)
    d.set(k.volume, quip::Token(volume));
  if (frequency != 1.0f)
    d.set(k.frequency, quip::Token(frequency));
}

bool SkeletonEventSound::deserialize(Database *database, file::ByteProducer &in) {
  SkeletonEvent::deserialize(database, in);
  file::read(sound, in);
  file::read(volume, in);
  file::read(frequency, in);
  return !in.overrun();
}

void SkeletonEventSound::serialize(file::ByteReceiver &out) const {
  SkeletonEvent::serialize(out);
  file::write(sound, out);
  file::write(volume, out);
  file::write(frequency, out);
}

void SkeletonEventSound::touch(Database *database) {
  if (g_touchers.sound && !sound.isEmpty())
    g_touchers.sound(database, sound);
}

void SkeletonEventParticleSystem::read(Database *database, const quip::Dictionary &d) {
  SkeletonEvent::read(database, d);
  const SkeletonKeys &k = skeletonKeys();
  readSymbol(d, k.system, system);
  math::readNumberKey(d, k.scale, scale);
  quip::lookupColor(d, k.color, quip::TYPE_ARRAY, color);
}

void SkeletonEventParticleSystem::write(quip::Dictionary &d) const {
  SkeletonEvent::write(d);
  const SkeletonKeys &k = skeletonKeys();
  d.set(k.system, quip::Token(system, false));
  if (scale != 1.0f)
    d.set(k.scale, quip::Token(scale));
  if (!(color == math::Color::white))
    d.set(k.color, quip::toToken(color));
}

bool SkeletonEventParticleSystem::deserialize(Database *database, file::ByteProducer &in) {
  SkeletonEvent::deserialize(database, in);
  file::read(system, in);
  file::read(scale, in);
  file::read(color, in);
  return !in.overrun();
}

void SkeletonEventParticleSystem::serialize(file::ByteReceiver &out) const {
  SkeletonEvent::serialize(out);
  file::write(system, out);
  file::write(scale, out);
  file::write(color, out);
}

void SkeletonEventParticleSystem::touch(Database *database) {
  if (g_touchers.particleSystem && !system.isEmpty())
    g_touchers.particleSystem(database, system);
}

void SkeletonEventGeneric::read(Database *database, const quip::Dictionary &d) {
  SkeletonEvent::read(database, d);
  readSymbol(d, skeletonKeys().key, key);
}

void SkeletonEventGeneric::write(quip::Dictionary &d) const {
  SkeletonEvent::write(d);
  if (!key.isEmpty())
    d.set(skeletonKeys().key, quip::Token(key, false));
}

bool SkeletonEventGeneric::deserialize(Database *database, file::ByteProducer &in) {
  SkeletonEvent::deserialize(database, in);
  file::read(key, in);
  return !in.overrun();
}

void SkeletonEventGeneric::serialize(file::ByteReceiver &out) const {
  SkeletonEvent::serialize(out);
  file::write(key, out);
}

SkeletonEvent *parseEvent(Database *database, const quip::Dictionary &d) {
  const quip::Token *type = d.lookupTyped(skeletonKeys().type, quip::TYPE_SYMBOL);
  if (!type || !type->isSymbol()) {
    framework::reportWarning(__FILE__, __LINE__, "parseEvent",
                             L"A skeleton event without a type is skipped.");
    return nullptr;
  }
  SkeletonEvent *event = SkeletonEvent::make(SkeletonEvent::kindOf(type->symbol()));
  if (!event) {
    framework::reportWarning(__FILE__, __LINE__, "parseEvent",
                             String(L"A skeleton event of unknown type is skipped: ") +
                                 type->symbol().text());
    return nullptr;
  }
  event->read(database, d);
  return event;
}

} // namespace animation
