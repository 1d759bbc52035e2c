#include "app/ProgramOptions.h"
#include "app/FrameLimit.h"
#include "framework/FrameworkTestSupport.h"
#include "support/FakeWindow.h"

#include <string>
#include <vector>

namespace {

ProgramOptions read(std::vector<std::string> arguments, std::string *errors = nullptr) {
  arguments.insert(arguments.begin(), "tumblix");
  std::vector<char *> argv;
  for (std::string &argument : arguments)
    argv.push_back(argument.data());
  testing::internal::CaptureStderr();
  ProgramOptions options = ProgramOptions::read(int(argv.size()), argv.data());
  std::string text = testing::internal::GetCapturedStderr();
  if (errors)
    *errors = text;
  return options;
}

} // namespace

TEST(ProgramOptions, ReadsItsTwoSwitchesAndLeavesTheRest) {
  struct Case {
    std::vector<std::string> arguments;
    uint32_t frames;
    bool levelGiven;
    uint32_t level;
    bool complains;
  };
  const Case cases[] = {
      {{}, 0, false, 0, false},
      {{"--frames", "90"}, 90, false, 0, false},
      {{"--level", "0"}, 0, true, 0, false},
      {{"--level", "12", "--frames", "5"}, 5, true, 12, false},
      {{"--other", "--frames", "7", "x"}, 7, false, 0, false},
      // Past the catalogue is the screen's to refuse.
      {{"--level", "70"}, 0, true, 70, false},
      {{"--frames"}, 0, false, 0, true},
      {{"--frames", "0"}, 0, false, 0, true},
      {{"--frames", "-3"}, 0, false, 0, true},
      {{"--frames", "12x"}, 0, false, 0, true},
      {{"--level", "99999999999"}, 0, false, 0, true},
      // A switch's missing number is not taken from the next switch.
      {{"--level", "--frames", "4"}, 4, false, 0, true},
  };
  for (const Case &c : cases) {
    std::string joined;
    for (const std::string &argument : c.arguments)
      joined += argument + " ";
    SCOPED_TRACE(joined);
    std::string errors;
    ProgramOptions options = read(c.arguments, &errors);
    EXPECT_EQ(options.frames, c.frames);
    EXPECT_EQ(options.levelGiven, c.levelGiven);
    EXPECT_EQ(options.level, c.level);
    EXPECT_EQ(!errors.empty(), c.complains) << errors;
  }
}

TEST(FrameLimit, EndsTheRunAfterTheGivenFramesOfTheRunningGame) {
  auto *framework = new testing_support::TestFramework;
  Framework::setInstance(framework);
  testing_support::FakeWindow window;
  video::Window::setInstance(&window);
  FrameLimit limit(3);
  // Loading frames do not count.
  for (int pass = 0; pass < 5; ++pass)
    EXPECT_TRUE(limit.active(*framework));
  framework->performLoadStep(11);
  ASSERT_TRUE(framework->frameStatistics());
  for (uint32_t frame = 1; frame <= 3; ++frame) {
    EXPECT_TRUE(limit.active(*framework));
    framework->countFrame(30);
  }
  EXPECT_FALSE(framework->quitRequested());
  // The next pass draws nothing, and the loop ends after it.
  EXPECT_FALSE(limit.active(*framework));
  EXPECT_TRUE(framework->quitRequested());
  video::Window::setInstance(nullptr);
  testing_support::tearDownFramework();
}
