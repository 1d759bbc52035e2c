// Feeds arbitrary bytes to the game's two readers of saved bytes: with a
// first byte 0 the rest is a level file read into a new level; otherwise it
// is a saved game read by the application (the header, the engine's fields,
// the level's state and the page records). Neither may crash, read past its
// bytes or leak, and a level file that reads must write a file that reads.

#include "FuzzWorld.h"

#include "file/BufferBinary.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  gamefuzz::world();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  file::BufferBinary in;
  if (size > 1)
    in.receiveBytes(data + 1, uint32_t(size - 1));
  in.seek(0);
  if (data[0] == 0) {
    Level level(nullptr);
    if (level.load(in)) {
      // What the level holds writes as a file that reads again.
      file::BufferBinary again;
      level.writeFile(again);
      again.seek(0);
      Level reread(nullptr);
      if (!reread.load(again))
        __builtin_trap();
    }
    return 0;
  }
  gamefuzz::world().readSnapshot(in);
  return 0;
}
