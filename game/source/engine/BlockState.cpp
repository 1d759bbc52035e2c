// A block's state record in the snapshot: a flags byte, then the fields the
// flags name.

#include "engine/Block.h"
#include "file/BinaryPrimitives.h"

namespace {

enum : uint8_t {
  FLAG_FROZEN = 1,
  FLAG_LOUD_SHATTER = 2,
  FLAG_FREEZE_SPREAD = 4,
  FLAG_GROUP = 8,
  FLAG_CHARGED = 16,
};

// The fields of one record, read before any is applied.
struct StateRecord {
  uint8_t flags = 0;
  float freezeDelay = 0.0f;
  uint16_t group = 0;
  uint8_t charge = Block::noCharge;
  float chargeAge = 0.0f;

  bool read(file::ByteProducer &in) {
    if (in.bytesRemaining() < 1)
      return false;
    file::read(flags, in);
    const uint32_t needed = ((flags & FLAG_FROZEN) ? 4 : 0) + ((flags & FLAG_GROUP) ? 2 : 0) +
                            ((flags & FLAG_CHARGED) ? 5 : 0);
    if (in.bytesRemaining() < needed)
      return false;
    if (flags & FLAG_FROZEN)
      file::read(freezeDelay, in);
    if (flags & FLAG_GROUP)
      file::read(group, in);
    if (flags & FLAG_CHARGED) {
      file::read(charge, in);
      file::read(chargeAge, in);
    }
    return !in.overrun();
  }
};

} // namespace

void Block::writeState(file::ByteReceiver &out) const {
  uint8_t flags = 0;
  if (m_frozen)
    flags |= FLAG_FROZEN;
  if (m_loudShatter)
    flags |= FLAG_LOUD_SHATTER;
  if (m_freezeSpread)
    flags |= FLAG_FREEZE_SPREAD;
  if (m_group != 0)
    flags |= FLAG_GROUP;
  if (m_charge < noCharge)
    flags |= FLAG_CHARGED;
  file::write(flags, out);
  if (m_frozen)
    file::write(m_freezeDelay, out);
  if (m_group != 0)
    file::write(uint16_t(m_group), out);
  if (m_charge < noCharge) {
    file::write(uint8_t(m_charge), out);
    file::write(m_chargeAge, out);
  }
}

bool Block::readState(file::ByteProducer &in) {
  StateRecord record;
  if (!record.read(in))
    return false;
  m_frozen = (record.flags & FLAG_FROZEN) != 0;
  m_loudShatter = (record.flags & FLAG_LOUD_SHATTER) != 0;
  m_freezeSpread = (record.flags & FLAG_FREEZE_SPREAD) != 0;
  if (m_frozen)
    m_freezeDelay = record.freezeDelay;
  if (record.flags & FLAG_GROUP)
    m_group = record.group;
  // A charge past the powers is none.
  if ((record.flags & FLAG_CHARGED) && record.charge < noCharge) {
    m_charge = record.charge;
    m_chargeAge = record.chargeAge;
  }
  return true;
}

bool Block::skipState(file::ByteProducer &in) {
  StateRecord record;
  return record.read(in);
}
