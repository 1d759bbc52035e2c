#include "particle/ParticleKeys.h"

#include "quip/Token.h"

const ParticleKeys &particleKeys() {
  static const ParticleKeys keys;
  return keys;
}

const quip::Dictionary *dictionaryAt(const quip::Dictionary &d, Symbol key) {
  const quip::Token *t = d.lookupTyped(key, quip::TYPE_DICTIONARY);
  return t && t->isDictionary() ? &t->dictionary() : nullptr;
}
