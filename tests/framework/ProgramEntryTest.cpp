#include "FrameworkTestSupport.h"
#include "error/ChildProcess.h"

#include "framework/ProgramEntry.h"

using namespace testing_support;

namespace {

// A program that quits as soon as it has begun, printing its arguments when
// asked to.
struct SmallProgram : TestFramework {
  bool printArguments = false;
  String databasePath() override { return String::fromUtf8(documents.c_str()); }
  void handleArguments(const container::Vector<String> &arguments) override {
    if (printArguments)
      for (uint32_t i = 0; i < arguments.size(); ++i) {
        container::Vector<char> bytes;
        arguments[i].toUtf8(bytes);
        printf("%s\n", bytes.data());
      }
    setQuit(true);
  }
};

ChildResult runProgram(const std::string &folder, bool printArguments) {
  return runInChild([&] {
    auto *program = new SmallProgram;
    program->documents = folder;
    program->printArguments = printArguments;
    Framework::setInstance(program);
    char name[] = "tumble", flag[] = "--frames";
    char *argv[] = {name, flag};
    int status = runApplication(2, argv);
    _exit(status);
  });
}

} // namespace

TEST(ProgramEntry, AnEmptyStandardOutputFileIsRemovedAtExit) {
  TempFolder folder;
  ChildResult child = runProgram(folder.path(), false);
  EXPECT_EQ(child.exitStatus, 0);
  EXPECT_FALSE(folder.exists("stdout.txt"));
  ASSERT_TRUE(folder.exists("stderr.txt"));
  std::vector<std::string> lines = logTexts(folder.read("stderr.txt"));
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[0], "Database path: " + folder.path());
  EXPECT_EQ(lines[1], "Documents path: " + folder.path());
  EXPECT_EQ(lines[2].rfind("Operating system version: Palm - ", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3].rfind("Build compile date: ", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4], "Build:  SHIP PALM USE_OPENGL OPENGL_ES USE_SDL USE_STB USE_SDL_MIXER");
  EXPECT_EQ(lines[5], "Framework::begin()");
  EXPECT_EQ(lines[6], "finished Framework::begin()");
  // Ended before loading finished: nothing counted.
  EXPECT_NE(folder.read("stderr.txt")
                .find("FrameRate: 0.00 frames per second (0 frames in 0.00 seconds)\n"),
            std::string::npos);
}

TEST(ProgramEntry, AStandardOutputFileWithOutputIsKept) {
  TempFolder folder;
  ChildResult child = runProgram(folder.path(), true);
  EXPECT_EQ(child.exitStatus, 0);
  EXPECT_EQ(folder.read("stdout.txt"), "tumble\n--frames\n");
}
