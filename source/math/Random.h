#pragma once
// Two sources of random numbers: the process-wide stream of the standard
// library (static operations, seeded once at start-up) and a small seeded
// generator whose whole state is one u32, so a sequence can be saved,
// restored and replayed.

#include "xstring/String.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Random {
public:
  explicit Random(unsigned int seed = 0) { setSeed(seed); }

  void setSeed(unsigned int seed) { m_next = seed % 32767u; }
  uint32_t state() const { return m_next; }

  // 0 to 32767.
  int next() {
    m_next = m_next * 1103515245u + 12345u;
    return int((m_next >> 16) & 0x7fffu);
  }
  // In [low, high]; low (without a step) when high <= low.
  int nextInt(int low, int high);
  // In [low, high], both ends reachable; high (without a step) when high <= low.
  float nextFloat(float low, float high);
  bool coinFlip() { return (next() & 1) == 0; }

  // "Random m_next: %u at %S\n" to standard error.
  void trace(const String &where) const;

  // The state as one u32: a restored generator continues the same sequence.
  void write(file::ByteReceiver &out) const;
  void read(file::ByteProducer &in);

  static void globalSeed(unsigned int seed);
  static int globalNext();
  static int globalInt(int low, int high);
  static float globalFloat(float low, float high);
  static bool globalCoinFlip();

private:
  uint32_t m_next;
};
