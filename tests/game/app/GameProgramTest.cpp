// The game's program, started as a person would under an X server, for 90
// frames: its start-up in order, then the first level started or refused.

#include "game/LevelFileBytes.h"
#include "support/ProgramUnderX.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(GameProgram, StartsTheGameAndItsFirstLevelUnderX) {
  std::string program = builtProgram("game/source/app/tumblix");
  if (access(program.c_str(), X_OK) != 0)
    GTEST_SKIP() << "the program is not built: " << program;
  std::unique_ptr<PrivateDisplay> own;
  std::string display = displayForProgram(own);
  ASSERT_FALSE(display.empty()) << "no X server: set DISPLAY or install Xvfb";

  struct Case {
    const char *name;
    std::vector<std::string> arguments;
    const char *levelFile;
    const char *outcome;
  };
  const Case cases[] = {
      {"no level file",
       {"--frames", "90"},
       nullptr,
       "Level not started: its file is missing or empty: data/engineConfig/level00_0.bin"},
      {"a level file", {"--frames", "90"}, "data/engineConfig/level00_0.bin", "Level begin: 0"},
      // Index 3 is the first variant of the second group.
      {"another level",
       {"--level", "3", "--frames", "90"},
       "data/engineConfig/level01_0.bin",
       "Level begin: 3"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    folder.write("data/config/.keep", "");
    if (c.levelFile)
      folder.write(c.levelFile, gametest::emptyLevelFile());
    int status = runProgram(program, c.arguments, folder.path(), display, 180);
    std::string log = contentsOf(folder.path("stderr.txt"));
    ASSERT_EQ(status, 0) << log;
    const char *missing = missingInOrder(
        log,
        {"Build snapshot version: 3", "Build server version: 1", "Build saved game version: 2",
         "Opened window", "Initialized system", "finished Framework::begin()", "Initialized audio.",
         "Created layers.", "Loaded database.", "Loaded user profile.", "Initialized socket system",
         "Finished load.", "Enter screen: game", c.outcome, "FrameRate: "});
    EXPECT_EQ(missing, nullptr) << "missing or out of order: " << missing << "\n" << log;
    EXPECT_NE(log.find("(90 frames in "), std::string::npos) << log;
    // A game that ran keeps the player's profile.
    EXPECT_TRUE(folder.exists("user.bin"));
  }
}
