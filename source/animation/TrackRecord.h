#pragma once
// The head of a timed track's binary record, shared by the skeleton and
// event channels: a loop byte (0 or 1) and a u32 count of the records that
// follow.

#include "file/BinaryPrimitives.h"

#include <cstdint>

namespace animation {

inline void writeTrackHead(file::ByteReceiver &out, bool loop, uint32_t count) {
  file::write(uint8_t(loop ? 1 : 0), out);
  file::write(count, out);
}

// False when the head runs short; loop is then unchanged.
inline bool readTrackHead(file::ByteProducer &in, bool &loop, uint32_t &count) {
  uint8_t looping = 0;
  file::read(looping, in);
  file::read(count, in);
  if (in.overrun())
    return false;
  loop = looping != 0;
  return true;
}

// Every record takes at least a byte: a count beyond the data is a broken
// record, not a reason to allocate.
inline bool recordFollows(file::ByteProducer &in) { return in.bytesRemaining() > 0; }

} // namespace animation
