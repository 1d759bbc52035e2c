#pragma once
// The array bodies a walk has been through, as a hash set. Bodies are heap
// blocks of one size, spaced alike: their addresses are mixed before use so
// that the spacing does not crowd a few buckets (which would keep the table
// from growing and make every look-up walk a long chain).

#include "container/HashTable.h"
#include "quip/Array.h"

#include <cstdint>

namespace quip {

struct BodyAddressHash {
  uint32_t operator()(const ArrayBody *body) const {
    uint64_t x = uint64_t(uintptr_t(body));
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    return uint32_t(x);
  }
};

using VisitedBodies = container::HashTable<const ArrayBody *, bool, BodyAddressHash>;

} // namespace quip
