#pragma once
// The head of a saved object's record: its state as one byte and the time
// it has spent in it. A time that is not a number of seconds reads as 0, so
// that a damaged record cannot hold a state forever.

#include "file/BinaryPrimitives.h"

#include <cmath>
#include <cstdint>

namespace stateheader {

constexpr uint32_t bytes = 1 + 4;

inline void write(uint32_t state, float time, file::ByteReceiver &out) {
  file::write(uint8_t(state), out);
  file::write(time, out);
}

// False when the stream runs out.
inline bool read(file::ByteProducer &in, uint8_t &state, float &time) {
  file::read(state, in);
  file::read(time, in);
  if (!std::isfinite(time))
    time = 0.0f;
  return !in.overrun();
}

} // namespace stateheader
