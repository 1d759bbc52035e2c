// Makes the seed corpus of game_fuzz: every written level file behind the
// byte 0, and a saved game of the largest one in play behind the byte 1.
// Usage: game_fuzz_seeds DATA_DIR OUTPUT_DIR

#include "FuzzWorld.h"

#include "file/AtomicSave.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"

#include <cstdio>
#include <filesystem>

namespace {

bool saveSeed(const std::filesystem::path &path, uint8_t mode, const file::BufferBinary &bytes) {
  file::BufferBinary seed;
  file::write(mode, seed);
  seed.receiveBytes(bytes.data(), bytes.size());
  return file::saveWhole(String::fromUtf8(path.string().c_str()), seed.data(), seed.size());
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: game_fuzz_seeds DATA_DIR OUTPUT_DIR\n");
    return 2;
  }
  const std::filesystem::path levels = std::filesystem::path(argv[1]) / "engineConfig";
  const std::filesystem::path out = argv[2];
  std::error_code error;
  std::filesystem::create_directories(out, error);
  gamefuzz::world();
  file::BufferBinary largest;
  uint32_t count = 0;
  for (const auto &entry : std::filesystem::directory_iterator(levels, error)) {
    if (entry.path().extension() != ".bin")
      continue;
    file::BufferBinary bytes;
    if (!bytes.open(String::fromUtf8(entry.path().string().c_str())))
      continue;
    if (!saveSeed(out / ("level-" + entry.path().stem().string()), 0, bytes))
      return 1;
    ++count;
    if (bytes.size() > largest.size()) {
      largest.clear();
      largest.receiveBytes(bytes.data(), bytes.size());
    }
  }
  if (count == 0) {
    std::fprintf(stderr, "no level files in %s\n", levels.string().c_str());
    return 1;
  }

  // The saved game: "game" current, the engine playing the largest level,
  // the game page shown.
  Level level(Engine::instance());
  largest.seek(0);
  if (!level.load(largest))
    return 1;
  file::BufferBinary game;
  file::write(uint32_t(3), game);
  file::write(SYM(L"game"), game);
  file::write(uint8_t(Engine::PLAYING), game);
  file::write(0.5f, game);
  file::write(uint8_t(Engine::SINGLE_LEVEL), game);
  file::write(false, game);
  file::write(true, game);
  level.writeState(game);
  file::write(uint8_t(1), game);
  GUI::PageFactory &pages = *GUI::PageFactory::instance();
  pages.writePageState(*pages.lookup(SYM(L"game")), game);
  if (!saveSeed(out / "snapshot", 1, game))
    return 1;
  std::printf("%u level files and a saved game in %s\n", count, out.string().c_str());
  return 0;
}
