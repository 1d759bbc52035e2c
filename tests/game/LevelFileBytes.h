#pragma once
// The bytes of a level file as the game's writer makes them: what tests put
// where the engine reads a level.

#include "engine/Level.h"
#include "file/BufferBinary.h"

#include <string>

namespace gametest {

// A level with nothing in it: no blocks, no floor, the values' defaults.
inline std::string emptyLevelFile() {
  Level level(nullptr);
  file::BufferBinary out;
  level.writeFile(out);
  return std::string(reinterpret_cast<const char *>(out.data()), out.size());
}

} // namespace gametest
