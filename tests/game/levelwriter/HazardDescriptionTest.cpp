// The hazards of hand-made levels: chomps, fires and money bugs in a
// description, and the showcase levels written beside the catalogue's.

#include "LevelText.h"
#include "LevelWriter.h"

#include "engine/Chomp.h"
#include "engine/Fire.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "engine/MoneyBug.h"
#include "file/BufferBinary.h"
#include "support/FakeWindow.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace levelwriter;

const char *hazardRoom = R"(ball 0 0
chomp 3 1
fire 2 2 -45 6 30 2
fire 2 2 90 7.5 0 4
moneybug closed 0 2 3 2 3 3
moneybug open 1 0 4 0
map 0 3
.....
.....
.....
....r
end
)";

// The project's level descriptions, copied into the folder's levels.
void copyLevels(const testing_support::TempFolder &folder) {
  const std::filesystem::path source = std::string(CORVANE_SOURCE_DIR) + "/data/levels";
  for (const auto &entry : std::filesystem::directory_iterator(source)) {
    std::ifstream in(entry.path());
    std::ostringstream text;
    text << in.rdbuf();
    folder.write("levels/" + entry.path().filename().string(), text.str());
  }
}

} // namespace

TEST(HazardDescription, ChompsFiresAndMoneyBugsAreReadAndBuilt) {
  LevelPlan plan;
  std::string error;
  ASSERT_TRUE(readDescription(hazardRoom, plan, error)) << error;
  ASSERT_EQ(plan.chomps.size(), 1u);
  EXPECT_EQ(plan.chomps[0], std::make_pair(3, 1));
  ASSERT_EQ(plan.fires.size(), 2u);
  EXPECT_EQ(plan.fires[0].speed, -45.0f);
  EXPECT_EQ(plan.fires[1].spokes, 4u);
  ASSERT_EQ(plan.moneyBugs.size(), 2u);
  EXPECT_TRUE(plan.moneyBugs[0].closed);
  EXPECT_EQ(plan.moneyBugs[0].path.size(), 3u);
  EXPECT_FALSE(plan.moneyBugs[1].closed);

  file::BufferBinary bytes;
  ASSERT_TRUE(levelFile(plan, bytes, error)) << error;
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  Level level(nullptr);
  bytes.seek(0);
  ASSERT_TRUE(level.load(bytes));
  ASSERT_EQ(level.chomps().size(), 1u);
  EXPECT_EQ(level.chomps()[0]->getPosition(), math::Vector3(9.0f, 3.0f, 0.0f));
  ASSERT_EQ(level.fires().size(), 2u);
  EXPECT_EQ(level.fires()[0]->getPosition(), math::Vector3(6.0f, 6.0f, 0.0f));
  EXPECT_EQ(level.fires()[0]->phase(), 30.0f);
  EXPECT_EQ(level.fires()[1]->spokeCount(), 4u);
  ASSERT_EQ(level.moneyBugs().size(), 2u);
  EXPECT_FLOAT_EQ(level.moneyBugs()[0]->pathLength(), 9.0f + 3.0f + std::sqrt(81.0f + 9.0f));
  EXPECT_EQ(level.moneyBugs()[1]->getPosition(), math::Vector3(3.0f, 0.0f, 0.0f));
  LevelCatalogue::destroy();
}

TEST(HazardDescription, ShowcaseLevelsAreWrittenBesideTheCatalogue) {
  testing_support::TempFolder folder;
  copyLevels(folder);
  std::vector<std::string> errors;
  ASSERT_TRUE(writeLevels(folder.path(), errors)) << (errors.empty() ? "" : errors[0]);
  const std::string path = levelFilePath(folder.path(), "showcase_hazards");
  file::BufferBinary in;
  ASSERT_TRUE(in.open(String::fromUtf8(path.c_str())));
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  Level level(nullptr);
  ASSERT_TRUE(level.load(in));
  EXPECT_FALSE(level.chomps().isEmpty());
  EXPECT_FALSE(level.fires().isEmpty());
  EXPECT_FALSE(level.moneyBugs().isEmpty());

  // A showcase that cannot be read stops every file.
  testing_support::TempFolder broken;
  copyLevels(broken);
  broken.write("levels/showcase_broken.txt", "ball 0 0\n");
  errors.clear();
  EXPECT_FALSE(writeLevels(broken.path(), errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("showcase_broken.txt: no map"), std::string::npos) << errors[0];
  LevelCatalogue::destroy();
}
