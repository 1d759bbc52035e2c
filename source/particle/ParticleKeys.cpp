#include "particle/ParticleKeys.h"

const ParticleKeys &particleKeys() {
  static const ParticleKeys keys;
  return keys;
}
