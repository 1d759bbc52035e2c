#pragma once
// The levels of the game in their order. A level is known everywhere by its
// index (the profile stores indices, the campaign plays them in order); the
// catalogue turns an index into the name of the level's file.

#include "xstring/String.h"

#include <cstdint>

class LevelCatalogue {
public:
  LevelCatalogue(const LevelCatalogue &) = delete;
  LevelCatalogue &operator=(const LevelCatalogue &) = delete;

  // Made on first use; destroy deletes it (at the end of the run), and a
  // later instance makes a new one.
  static LevelCatalogue &instance();
  static void destroy();

  uint32_t levelCount() const;
  // "levelNN_M": NN the group, M the variant within it. Empty for an index
  // at or past levelCount, which callers compare against first.
  String levelName(uint32_t index) const;

private:
  LevelCatalogue() = default;
  ~LevelCatalogue() = default;
};
