// The level writer over the project's own data: a file for every level of
// the catalogue that the game loads, made the same way each time; and no
// file at all while any level is refused.

#include "Generator.h"
#include "LevelWriter.h"

#include "engine/Coin.h"
#include "engine/FloorArea.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "file/BufferBinary.h"
#include "support/FakeWindow.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using testing_support::TempFolder;

std::string contentsOf(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string nameOf(uint32_t level) {
  container::Vector<char> bytes;
  LevelCatalogue::instance().levelName(level).toUtf8(bytes);
  return std::string(bytes.data());
}

// A data root holding a copy of the project's level descriptions.
void copyDescriptions(const TempFolder &folder) {
  const std::filesystem::path source = std::string(CORVANE_SOURCE_DIR) + "/data/levels";
  for (const auto &entry : std::filesystem::directory_iterator(source))
    folder.write("levels/" + entry.path().filename().string(), contentsOf(entry.path().string()));
}

} // namespace

TEST(LevelFiles, EveryLevelOfTheCatalogueIsWrittenAndLoads) {
  TempFolder folder;
  copyDescriptions(folder);
  std::vector<std::string> errors;
  ASSERT_TRUE(levelwriter::writeLevels(folder.path(), errors)) << (errors.empty() ? "" : errors[0]);

  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  const uint32_t count = LevelCatalogue::instance().levelCount();
  ASSERT_EQ(count, 70u);
  uint32_t larger = 0, islands = 0, withCoins = 0, mostCoins = 0;
  for (uint32_t i = 0; i < count; ++i) {
    const std::string path = levelwriter::levelFilePath(folder.path(), nameOf(i));
    SCOPED_TRACE(path);
    file::BufferBinary in;
    ASSERT_TRUE(in.open(String::fromUtf8(path.c_str())));
    Level level(nullptr);
    ASSERT_TRUE(level.load(in));
    EXPECT_GT(level.blockGrid().blockCount(), 0u);
    ASSERT_GT(level.floorAreaCount(), 0u);
    EXPECT_TRUE(level.onFloor(Level::cellCentre(
        Level::worldToCell(math::Vector3(level.ballStart().x, level.ballStart().y, 0.0f)))));
    // Coins stand on the floor, clear of the blocks.
    for (const Coin *coin : level.coins()) {
      EXPECT_TRUE(level.onFloor(coin->position));
      EXPECT_FALSE(level.blockGrid().occupied(coin->cell().x, coin->cell().y));
    }
    withCoins += level.coins().isEmpty() ? 0 : 1;
    mostCoins = std::max(mostCoins, level.coins().size());
    larger += level.fitsOnScreen() ? 0 : 1;
    for (uint32_t a = 0; a < level.floorAreaCount(); ++a)
      islands += level.floorArea(a).furtherWallCount();
  }
  // Some levels make the camera follow the ball; some have islands.
  EXPECT_GT(larger, 0u);
  EXPECT_GT(islands, 0u);
  // The generated levels hold coins; one level holds enough to earn a ball.
  EXPECT_GT(withCoins, count / 2);
  EXPECT_GE(mostCoins, 25u);

  // The showcases are written beside the catalogue's levels.
  {
    const std::string path = levelwriter::levelFilePath(folder.path(), "showcase_doors");
    file::BufferBinary in;
    ASSERT_TRUE(in.open(String::fromUtf8(path.c_str())));
    Level level(nullptr);
    ASSERT_TRUE(level.load(in));
    EXPECT_EQ(level.doors().size(), 1u);
    EXPECT_EQ(level.switches().size(), 1u);
    EXPECT_EQ(level.gates().size(), 1u);
  }
  {
    const std::string path = levelwriter::levelFilePath(folder.path(), "showcase_worms_tar");
    file::BufferBinary in;
    ASSERT_TRUE(in.open(String::fromUtf8(path.c_str())));
    Level level(nullptr);
    ASSERT_TRUE(level.load(in));
    EXPECT_EQ(level.worms().size(), 2u);
    EXPECT_EQ(level.tarBalls().size(), 1u);
  }

  // The generator's seed is fixed: a second run writes the same bytes.
  TempFolder again;
  copyDescriptions(again);
  ASSERT_TRUE(levelwriter::writeLevels(again.path(), errors));
  for (uint32_t i = 0; i < count; ++i) {
    const std::string name = nameOf(i);
    EXPECT_EQ(contentsOf(levelwriter::levelFilePath(folder.path(), name)),
              contentsOf(levelwriter::levelFilePath(again.path(), name)))
        << name;
  }
}

TEST(LevelFiles, ARefusedLevelStopsEveryFile) {
  struct Case {
    const char *name;
    const char *file;
    const char *text;
    const char *error;
  };
  const Case cases[] = {
      {"a level that cannot be completed", "levels/level00_2.txt", "ball 0 0\nmap 0 0\n.X\nend\n",
       "level00_2: refused: it has no coloured block"},
      {"a description that cannot be read", "levels/level01_1.txt", "ball 0 0\n",
       "levels/level01_1.txt: no map"},
      {"a description of no level", "levels/level99_9.txt", "ball 0 0\nmap 0 0\n.r\nend\n",
       "levels/level99_9.txt: no level of the catalogue has this name"},
      {"a showcase that cannot be completed", "levels/showcase_empty.txt",
       "ball 0 0\nmap 0 0\n.X\nend\n", "showcase_empty: refused: it has no coloured block"},
      {"settings that cannot be read", "levels/generator.txt", "seed\n",
       "levels/generator.txt: line 1: 'seed' takes one whole number"},
      {"a showcase that cannot be completed", "levels/showcase_walls.txt",
       "ball 0 0\nmap 0 0\n.X\nend\n", "showcase_walls: refused: it has no coloured block"},
      {"a showcase that cannot be read", "levels/showcase_walls.txt", "switch 0 0\n",
       "levels/showcase_walls.txt: no map"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    copyDescriptions(folder);
    folder.write(c.file, c.text);
    std::vector<std::string> errors;
    EXPECT_FALSE(levelwriter::writeLevels(folder.path(), errors));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.error), std::string::npos) << errors[0];
    EXPECT_FALSE(std::filesystem::exists(folder.path("engineConfig")));
  }
}

TEST(LevelFiles, GeneratedLevelsGrowAlongTheCatalogue) {
  levelwriter::GeneratorSettings settings;
  const levelwriter::LevelPlan first = levelwriter::generateLevel(settings, "a", 0, 0, 10);
  const levelwriter::LevelPlan last = levelwriter::generateLevel(settings, "b", 9, 9, 10);
  ASSERT_EQ(first.rooms.size(), 1u);
  ASSERT_EQ(last.rooms.size(), 1u);
  EXPECT_LT(first.rooms[0].area.columns(), last.rooms[0].area.columns());
  EXPECT_LT(first.rooms[0].area.rows(), last.rooms[0].area.rows());
  EXPECT_LT(first.blocks.size(), last.blocks.size());
  EXPECT_TRUE(first.rooms[0].islands.empty());
  EXPECT_FALSE(last.rooms[0].islands.empty());
}

TEST(LevelFiles, ShowcasesAreWrittenBesideTheCatalogueAndLoad) {
  TempFolder folder;
  copyDescriptions(folder);
  std::vector<std::string> errors;
  ASSERT_TRUE(levelwriter::writeLevels(folder.path(), errors)) << (errors.empty() ? "" : errors[0]);
  std::vector<levelwriter::LevelPlan> plans;
  ASSERT_TRUE(levelwriter::planShowcases(folder.path(), plans, errors));
  ASSERT_FALSE(plans.empty());
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  for (const levelwriter::LevelPlan &plan : plans) {
    SCOPED_TRACE(plan.name);
    EXPECT_TRUE(levelwriter::isShowcaseName(plan.name));
    file::BufferBinary in;
    ASSERT_TRUE(
        in.open(String::fromUtf8(levelwriter::levelFilePath(folder.path(), plan.name).c_str())));
    Level level(nullptr);
    EXPECT_TRUE(level.load(in));
  }
  // The catalogue's own plans leave them out.
  std::vector<levelwriter::LevelPlan> catalogue;
  ASSERT_TRUE(levelwriter::planLevels(folder.path(), catalogue, errors));
  for (const levelwriter::LevelPlan &plan : catalogue)
    EXPECT_FALSE(levelwriter::isShowcaseName(plan.name)) << plan.name;
}
