#include "math/Random.h"

#include "error/AssertHandler.h"
#include "file/BinaryPrimitives.h"

#include <cstdio>
#include <cstdlib>

namespace {

// low + draw mod (high - low + 1) in 64 bits: spans wider than an int
// neither overflow nor divide by zero.
int pickInt(int low, int high, int draw) {
  int64_t span = int64_t(high) - int64_t(low) + 1;
  return int(int64_t(low) + int64_t(draw) % span);
}

} // namespace

int Random::nextInt(int low, int high) {
  if (high <= low)
    return low;
  return pickInt(low, high, next());
}

float Random::nextFloat(float low, float high) {
  if (high <= low)
    return high;
  return low + (float(next()) / 32767.0f) * (high - low);
}

void Random::trace(const String &where) const {
  error::printToStream(stderr, L"Random m_next: %u at %S\n", m_next, where.c_str());
}

void Random::write(file::ByteReceiver &out) const { file::write((unsigned int)m_next, out); }

void Random::read(file::ByteProducer &in) {
  unsigned int state = 0;
  file::read(state, in);
  m_next = state;
}

void Random::globalSeed(unsigned int seed) { std::srand(seed); }

int Random::globalNext() { return std::rand(); }

int Random::globalInt(int low, int high) {
  if (high <= low)
    return low;
  return pickInt(low, high, std::rand());
}

float Random::globalFloat(float low, float high) {
  if (high <= low)
    return high;
  return low + (float(std::rand()) * 4.656612873e-10f) * (high - low);
}

bool Random::globalCoinFlip() { return (std::rand() & 1) == 0; }
