#include "particle/Spout.h"

#include "file/BinaryPrimitives.h"
#include "particle/ParticleKeys.h"
#include "particle/SpoutBox.h"
#include "particle/SpoutCircle.h"
#include "particle/SpoutPoint.h"
#include "particle/SpoutSphere.h"
#include "quip/Token.h"

void Spout::write(quip::Dictionary &d) const {
  d.set(particleKeys().type, quip::Token(getType(), false));
}

void Spout::writeBinary(file::ByteReceiver &out) const { file::write(kindCode(), out); }

namespace {

Spout *makeSpout(uint8_t kind) {
  switch (kind) {
  case SpoutPoint::Kind:
    return new SpoutPoint;
  case SpoutCircle::Kind:
    return new SpoutCircle;
  case SpoutSphere::Kind:
    return new SpoutSphere;
  case SpoutBox::Kind:
    return new SpoutBox;
  default:
    return nullptr;
  }
}

} // namespace

Spout *createSpout(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  Symbol type;
  if (const quip::Token *t = d.lookupTyped(k.type, quip::TYPE_SYMBOL))
    t->get(type);
  uint8_t kind = 0xff;
  if (type == k.sphere)
    kind = SpoutSphere::Kind;
  else if (type == k.circle)
    kind = SpoutCircle::Kind;
  else if (type == k.box)
    kind = SpoutBox::Kind;
  else if (type == k.point)
    kind = SpoutPoint::Kind;
  Spout *spout = makeSpout(kind);
  if (spout)
    spout->read(d);
  return spout;
}

Spout *createSpout(file::ByteProducer &in) {
  uint8_t kind = 0xff;
  file::read(kind, in);
  Spout *spout = makeSpout(kind);
  if (spout)
    spout->readBinary(in);
  return spout;
}
