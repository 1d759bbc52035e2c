#pragma once
// The score server's answer about one score: its place, the next higher
// score ("blocking") and the first place, each with where it was made.

#include "math/Vector2.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

struct ScoreRank {
  int32_t rank = 0;
  // Radians between the player's location and the blocking score's, at least 0.
  float angle = 0.0f;
  math::Vector2 blockingLocation;
  int32_t blockingRank = 0;
  int32_t blockingScore = 0;
  math::Vector2 firstLocation;
  int32_t firstScore = 0;

  // All zero but the angle, which is pi: nothing known about the distance.
  void reset();
  void clampAngle() {
    if (angle < 0.0f)
      angle = 0.0f;
  }
  // The 36 bytes of the files: the integers as their four bytes.
  void read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
};
