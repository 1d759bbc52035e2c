#include "particle/SpoutBox.h"

#include "file/BinaryPrimitives.h"
#include "math/Random.h"
#include "particle/Particle.h"
#include "particle/ParticleKeys.h"
#include "quip/Token.h"

Symbol SpoutBox::getType() const { return particleKeys().box; }

namespace {

// An axis of extent 0 draws no number.
float offset(float e, bool centered) {
  if (e == 0.0f)
    return 0.0f;
  if (centered)
    return Random::globalFloat(-e, e);
  return e < 0.0f ? Random::globalFloat(2.0f * e, 0.0f) : Random::globalFloat(0.0f, 2.0f * e);
}

} // namespace

void SpoutBox::place(const ParticleSystem &, Particle &p) const {
  p.location.x += offset(extents.x, centered);
  p.location.y += offset(extents.y, centered);
  p.location.z += offset(extents.z, centered);
}

void SpoutBox::read(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  if (const quip::Token *t = d.lookup(k.extents))
    t->get(extents);
  quip::lookupBool(d, k.centered, quip::TYPE_SYMBOL, centered);
}

void SpoutBox::write(quip::Dictionary &d) const {
  Spout::write(d);
  const ParticleKeys &k = particleKeys();
  if (extents != math::Vector3())
    d.set(k.extents, extents.toToken());
  if (!centered)
    d.set(k.centered, quip::boolToken(false));
}

void SpoutBox::readBinary(file::ByteProducer &in) {
  uint8_t flags = 0;
  file::read(flags, in);
  if (flags & 1)
    file::read(extents, in);
  if (flags & 2)
    file::read(centered, in);
}

void SpoutBox::writeBinary(file::ByteReceiver &out) const {
  Spout::writeBinary(out);
  bool extended = extents != math::Vector3();
  file::write(uint8_t((extended ? 1 : 0) | (centered ? 0 : 2)), out);
  if (extended)
    file::write(extents, out);
  if (!centered)
    file::write(centered, out);
}
