#include "scores/ScoreRank.h"

#include "file/BinaryPrimitives.h"

void ScoreRank::reset() {
  *this = ScoreRank();
  angle = 3.14159274f;
}

void ScoreRank::read(file::ByteProducer &in) {
  file::read(rank, in);
  file::read(angle, in);
  file::read(blockingLocation, in);
  file::read(blockingRank, in);
  file::read(blockingScore, in);
  file::read(firstLocation, in);
  file::read(firstScore, in);
}

void ScoreRank::write(file::ByteReceiver &out) const {
  file::write(rank, out);
  file::write(angle, out);
  file::write(blockingLocation, out);
  file::write(blockingRank, out);
  file::write(blockingScore, out);
  file::write(firstLocation, out);
  file::write(firstScore, out);
}
