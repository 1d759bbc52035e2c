#pragma once
// How many frames took how many milliseconds, printed at exit.

#include "container/HashTable.h"
#include "xstring/String.h"

#include <cstdint>

class FrameRateHistogram {
public:
  void add(uint32_t ticks);
  // 0 for a tick value never added.
  uint32_t count(uint32_t ticks) const;
  uint32_t totalFrames() const;
  // One row per tick value with frames, each with up to 40 stars, framed
  // by two lines of 84 dashes.
  String text() const;
  // The text on standard error.
  void print() const;

private:
  container::HashTable<uint32_t, uint32_t> m_counts;
};
