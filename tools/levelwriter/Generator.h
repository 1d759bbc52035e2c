#pragma once
// The levels that are not made by hand, generated from a fixed seed. Each
// setting is a range from the first generated level to the last, so that
// the levels grow in size and variety along the catalogue. The settings
// file holds one setting a line, comments from '#':
//
//   seed N                 the generator's seed
//   columns FIRST LAST     room width in cells
//   rows FIRST LAST        room height in cells
//   colours FIRST LAST     colours of blocks (1 to 6)
//   fill FIRST LAST        share of the floor given to blocks
//   islands FIRST LAST     islands in the room
//   obstacles FIRST LAST   share of the blocks that are unbreakable, stone or round
//   bonus FIRST LAST       bonus blocks
//   par BASE PERBLOCK      par time: seconds, and seconds per coloured block
//   look BACKGROUND INTERIOR   textures; the levels take the looks in turn

#include "LevelPlan.h"

#include <string>
#include <vector>

namespace levelwriter {

struct Range {
  float first = 0.0f, last = 0.0f;
  // t from 0 (the first level) to 1 (the last).
  float at(float t) const { return first + (last - first) * t; }
};

struct GeneratorSettings {
  uint32_t seed = 1;
  Range columns{9.0f, 41.0f};
  Range rows{13.0f, 61.0f};
  Range colours{2.0f, 6.0f};
  Range fill{0.3f, 0.5f};
  Range islands{0.0f, 6.0f};
  Range obstacles{0.0f, 0.12f};
  Range bonus{0.0f, 4.0f};
  // Coins on free cells the ball can reach.
  Range coins{0.0f, 0.0f};
  float parBase = 20.0f, parPerBlock = 1.5f;
  std::vector<std::pair<std::string, std::string>> looks;
};

// False with the reason, led by the line's number, in error.
bool readGeneratorSettings(const std::string &text, GeneratorSettings &settings,
                           std::string &error);
// The step-th of count generated levels, the level index-th of the
// catalogue: one room centred on the origin, the ball at its foot.
LevelPlan generateLevel(const GeneratorSettings &settings, const std::string &name, uint32_t index,
                        uint32_t step, uint32_t count);

} // namespace levelwriter
