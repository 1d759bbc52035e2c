#pragma once
// The count in front of a list of records, read only when it is there and
// its records can be: a count running past the bytes remaining refuses the
// list before anything is made for it.

#include "file/BinaryPrimitives.h"

#include <cstdint>

namespace bounded {

// Each record takes at least recordBytes bytes.
template <typename Count>
bool readCount(file::ByteProducer &in, uint32_t recordBytes, Count &count) {
  if (in.bytesRemaining() < sizeof(Count))
    return false;
  file::read(count, in);
  return uint64_t(count) * recordBytes <= in.bytesRemaining();
}

} // namespace bounded
