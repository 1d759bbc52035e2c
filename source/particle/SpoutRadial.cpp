#include "particle/SpoutRadial.h"

#include "file/BinaryPrimitives.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "particle/ParticleKeys.h"
#include "particle/SameVector.h"
#include "quip/Token.h"

template <> math::Vector2 SpoutRadial<math::Vector2>::unitScale() { return {1.0f, 1.0f}; }
template <> math::Vector3 SpoutRadial<math::Vector3>::unitScale() { return {1.0f, 1.0f, 1.0f}; }

template <typename Scale> void SpoutRadial<Scale>::read(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  if (const quip::Token *t = d.lookup(k.radiusMin))
    t->get(radiusMin);
  if (const quip::Token *t = d.lookup(k.radiusMax))
    t->get(radiusMax);
  if (const quip::Token *t = d.lookup(k.scale))
    t->get(scale);
}

template <typename Scale> void SpoutRadial<Scale>::write(quip::Dictionary &d) const {
  Spout::write(d);
  const ParticleKeys &k = particleKeys();
  if (radiusMin != 0.0f)
    d.set(k.radiusMin, quip::Token(radiusMin));
  if (radiusMax != 0.0f)
    d.set(k.radiusMax, quip::Token(radiusMax));
  if (!sameVector(scale, unitScale()))
    d.set(k.scale, scale.toToken());
}

template <typename Scale> void SpoutRadial<Scale>::readBinary(file::ByteProducer &in) {
  uint8_t flags = 0;
  file::read(flags, in);
  if (flags & 1)
    file::read(radiusMin, in);
  if (flags & 2)
    file::read(radiusMax, in);
  if (flags & 4)
    file::read(scale, in);
}

// The scale's bit is set for any scale but zero, so the default (1, 1) is
// written too.
template <typename Scale> void SpoutRadial<Scale>::writeBinary(file::ByteReceiver &out) const {
  Spout::writeBinary(out);
  bool scaled = !sameVector(scale, Scale());
  file::write(uint8_t((radiusMin != 0.0f ? 1 : 0) | (radiusMax != 0.0f ? 2 : 0) | (scaled ? 4 : 0)),
              out);
  if (radiusMin != 0.0f)
    file::write(radiusMin, out);
  if (radiusMax != 0.0f)
    file::write(radiusMax, out);
  if (scaled)
    file::write(scale, out);
}

template class SpoutRadial<math::Vector2>;
template class SpoutRadial<math::Vector3>;
