// Random picks of the script range records: the bounds are put in increasing
// order first, then the matching pick of the process-wide stream or of a
// seeded generator chooses between them.

#include "math/Random.h"
#include "quip/Range.h"

#include <cstdint>

namespace quip {

namespace {

// low + draw mod (high - low + 1), in 64 bits so that spans wider than an
// int still land inside [low, high].
uint32_t pickUnsigned(uint32_t low, uint32_t high, int draw) {
  if (high <= low)
    return low;
  uint64_t span = uint64_t(high) - uint64_t(low) + 1;
  return uint32_t(uint64_t(low) + uint64_t(draw) % span);
}

} // namespace

float Range::random() const {
  return low <= high ? Random::globalFloat(low, high) : Random::globalFloat(high, low);
}

float Range::random(Random &generator) const {
  return low <= high ? generator.nextFloat(low, high) : generator.nextFloat(high, low);
}

int IntRange::random() const {
  return low <= high ? Random::globalInt(low, high) : Random::globalInt(high, low);
}

int IntRange::random(Random &generator) const {
  return low <= high ? generator.nextInt(low, high) : generator.nextInt(high, low);
}

uint32_t UnsignedRange::random() const {
  uint32_t a = low <= high ? low : high, b = low <= high ? high : low;
  return pickUnsigned(a, b, a == b ? 0 : Random::globalNext());
}

uint32_t UnsignedRange::random(Random &generator) const {
  uint32_t a = low <= high ? low : high, b = low <= high ? high : low;
  return pickUnsigned(a, b, a == b ? 0 : generator.next());
}

} // namespace quip
