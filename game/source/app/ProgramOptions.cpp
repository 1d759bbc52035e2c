#include "app/ProgramOptions.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A whole decimal number within 32 bits, nothing else.
bool readCount(const char *text, uint32_t &value) {
  if (!text || !*text || *text == '-' || *text == '+')
    return false;
  char *end = nullptr;
  errno = 0;
  unsigned long long n = strtoull(text, &end, 10);
  if (errno || *end || n > 0xffffffffull)
    return false;
  value = uint32_t(n);
  return true;
}

} // namespace

ProgramOptions ProgramOptions::read(int argc, char **argv) {
  ProgramOptions options;
  for (int i = 1; i < argc; ++i) {
    bool frames = strcmp(argv[i], "--frames") == 0;
    bool level = strcmp(argv[i], "--level") == 0;
    if (!frames && !level)
      continue;
    const char *number = i + 1 < argc ? argv[i + 1] : nullptr;
    uint32_t value = 0;
    if (!readCount(number, value) || (frames && value == 0)) {
      fprintf(stderr, "%s needs a %s number; ignored\n", argv[i], frames ? "positive" : "level");
      continue;
    }
    ++i;
    if (frames) {
      options.frames = value;
    } else {
      options.levelGiven = true;
      options.level = value;
    }
  }
  return options;
}
