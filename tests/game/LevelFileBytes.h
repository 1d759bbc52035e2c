#pragma once
// The bytes of a level file as the game's writer makes them: what tests put
// where the engine reads a level.

#include "engine/Level.h"
#include "file/BufferBinary.h"

#include <string>

namespace gametest {

inline std::string bytesOf(const file::BufferBinary &buffer) {
  return std::string(reinterpret_cast<const char *>(buffer.data()), buffer.size());
}

// A level with nothing in it: no blocks, no floor, the values' defaults.
inline std::string emptyLevelFile() {
  Level level(nullptr);
  file::BufferBinary out;
  level.writeFile(out);
  return bytesOf(out);
}

// A stream over the bytes, at their start.
inline void fill(file::BufferBinary &in, const std::string &bytes) {
  in.clear();
  in.receiveBytes(bytes.data(), uint32_t(bytes.size()));
  in.seek(0);
}

} // namespace gametest
