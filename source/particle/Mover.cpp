#include "particle/Mover.h"

#include "file/BinaryPrimitives.h"
#include "particle/MoverAngular.h"
#include "particle/MoverLinear.h"
#include "particle/ParticleKeys.h"
#include "quip/Token.h"

void Mover::write(quip::Dictionary &d) const {
  d.set(particleKeys().type, quip::Token(getType(), false));
}

void Mover::writeBinary(file::ByteReceiver &out) const { file::write(kindCode(), out); }

Mover *createMover(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  Symbol type;
  if (const quip::Token *t = d.lookupTyped(k.type, quip::TYPE_SYMBOL))
    t->get(type);
  Mover *mover = nullptr;
  if (type == k.linear)
    mover = new MoverLinear;
  else if (type == k.angular)
    mover = new MoverAngular;
  if (mover)
    mover->read(d);
  return mover;
}

Mover *createMover(file::ByteProducer &in) {
  uint8_t kind = 0xff;
  file::read(kind, in);
  Mover *mover = nullptr;
  if (kind == MoverLinear::Kind)
    mover = new MoverLinear;
  else if (kind == MoverAngular::Kind)
    mover = new MoverAngular;
  if (mover)
    mover->readBinary(in);
  return mover;
}
