// levelwriter: writes the game's level files.
//   levelwriter DATAROOT   reads DATAROOT/levels, writes DATAROOT/engineConfig/NAME.bin

#include "LevelWriter.h"

#include "engine/LevelCatalogue.h"

#include <cstdio>

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: levelwriter DATAROOT\n");
    return 2;
  }
  std::vector<std::string> errors;
  const bool written = levelwriter::writeLevels(argv[1], errors);
  for (const std::string &error : errors)
    std::fprintf(stderr, "levelwriter: %s\n", error.c_str());
  if (written)
    std::printf("levelwriter: wrote %u levels to %s/engineConfig\n",
                LevelCatalogue::instance().levelCount(), argv[1]);
  LevelCatalogue::destroy();
  return written ? 0 : 1;
}
