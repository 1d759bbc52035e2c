// The program itself, started as a person would under an X server (a private
// Xvfb when no display is given), for 60 frames.

#include "support/ProgramUnderX.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testing_support;

TEST(Program, RunsSixtyFramesUnderX) {
  std::string program = builtProgram("source/app/corvane");
  if (access(program.c_str(), X_OK) != 0)
    GTEST_SKIP() << "the program is not built: " << program;

  std::unique_ptr<PrivateDisplay> own;
  std::string display = displayForProgram(own);
  ASSERT_FALSE(display.empty()) << "no X server: set DISPLAY or install Xvfb";

  TempFolder folder;
  ASSERT_EQ(mkdir(folder.path("data").c_str(), 0700), 0);
  int status = runProgram(program, {"--frames", "60"}, folder.path(), display, 180);
  std::string log = contentsOf(folder.path("stderr.txt"));
  ASSERT_EQ(status, 0) << log;

  std::vector<const char *> lines = {
      "Database path: data", "Operating system version: ",
      "Build:  SHIP PALM USE_OPENGL OPENGL_ES USE_SDL USE_STB USE_SDL_MIXER",
      "PDL Hardware: Desktop", "Opened window", "finished Framework::begin()",
      // No sound device: a warning, and the program goes on silent.
      "initializeSDLMixer()", "Failed to ", "Initialized audio.", "Created layers.",
      "Not loading sounds because audio player is not initialized", "Loaded database.",
      // Without fonts the frame-rate meter is an empty box, black on black.
      "Finished load.", "Last frame: 320x480, clear colour 0,0,0, 0 pixels differ", "FrameRate: "};
  const char *missing = missingInOrder(log, lines);
  EXPECT_EQ(missing, nullptr) << "missing or out of order: " << missing << "\n" << log;
  EXPECT_NE(log.find("(60 frames in "), std::string::npos) << log;
  // Nothing went to standard output, so its file was removed.
  EXPECT_NE(access(folder.path("stdout.txt").c_str(), F_OK), 0);
}

// With the project's generated data the program shows its loading picture,
// loads its font and draws the frame rate in it.
TEST(Program, DrawsTheFrameRateWithTheProjectsFont) {
  std::string program = builtProgram("source/app/corvane");
  if (access(program.c_str(), X_OK) != 0)
    GTEST_SKIP() << "the program is not built: " << program;
  const std::string data = std::string(CORVANE_SOURCE_DIR) + "/data";
  for (const char *generated : {"/config/fonts.!", "/load/loadingScreen.png"})
    ASSERT_EQ(access((data + generated).c_str(), R_OK), 0)
        << data + generated << " is made by tools/fontmake and tools/texpack (./test.sh runs them)";

  std::unique_ptr<PrivateDisplay> own;
  std::string display = displayForProgram(own);
  ASSERT_FALSE(display.empty()) << "no X server: set DISPLAY or install Xvfb";

  TempFolder folder;
  ASSERT_EQ(symlink(data.c_str(), folder.path("data").c_str()), 0);
  int status = runProgram(program, {"--frames", "60"}, folder.path(), display, 180);
  std::string log = contentsOf(folder.path("stderr.txt"));
  ASSERT_EQ(status, 0) << log;
  const char *missing =
      missingInOrder(log, {"Loaded quip: data/config/fonts.!", "Finished load.", "Last frame: "});
  EXPECT_EQ(missing, nullptr) << "missing or out of order: " << missing << "\n" << log;
  EXPECT_EQ(log.find("not found"), std::string::npos) << log;
  EXPECT_EQ(log.find("did not load"), std::string::npos) << log;
  // The meter's white digits on the black frame.
  const std::string mark = "Last frame: 320x480, clear colour 0,0,0, ";
  size_t at = log.find(mark);
  ASSERT_NE(at, std::string::npos) << log;
  EXPECT_GT(std::stoi(log.substr(at + mark.size())), 20) << log;
}
