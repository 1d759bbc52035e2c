#pragma once
// The program's own switches, read before the application starts:
// "--frames N" ends the run after N frames of the running game, "--level N"
// selects level N (counted from 0) before the first level starts.

#include <cstdint>

struct ProgramOptions {
  uint32_t frames = 0;
  bool levelGiven = false;
  uint32_t level = 0;

  // Unknown arguments are left to the application; a switch without a
  // number is reported on standard error and ignored.
  static ProgramOptions read(int argc, char **argv);
};
