#pragma once
// Two bounds read from a two-element array ("volumeRange" and its kin). The
// bounds keep the order they were given in; a pick orders them first.
//
// The random picks use the random generator of the math library and are
// defined there; the core of the language never calls them.

#include <cstdint>

class Random;

namespace quip {

struct Range {
  float low = 0;
  float high = 0;
  Range() = default;
  Range(float lowBound, float highBound) : low(lowBound), high(highBound) {}
  void scale(float factor) {
    low *= factor;
    high *= factor;
  }
  float random() const;
  float random(Random &generator) const;
};

struct IntRange {
  int low = 0;
  int high = 0;
  IntRange() = default;
  IntRange(int lowBound, int highBound) : low(lowBound), high(highBound) {}
  int random() const;
  int random(Random &generator) const;
};

struct UnsignedRange {
  uint32_t low = 0;
  uint32_t high = 0;
  UnsignedRange() = default;
  UnsignedRange(uint32_t lowBound, uint32_t highBound) : low(lowBound), high(highBound) {}
  uint32_t random() const;
  uint32_t random(Random &generator) const;
};

} // namespace quip
