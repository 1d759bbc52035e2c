#include "FrameworkTestSupport.h"
#include "LoopTestSupport.h"

#include "framework/FrameRateHistogram.h"
#include "framework/MainLoop.h"

using namespace testing_support;

TEST(FrameStep, ElapsedTimeIsCappedAndNeverZero) {
  const float thirtieth = 1.0f / 30.0f;
  struct Case {
    uint32_t elapsed;
    bool fixedRate;
    float step;
  } cases[] = {
      {200, true, thirtieth}, {200, false, thirtieth}, {0, false, 0.0001f},
      {16, false, 0.016f},    {33, false, 0.033f},     {34, false, thirtieth},
      {0, true, thirtieth},   {5, true, thirtieth},    {4000000000u, false, thirtieth},
  };
  for (const Case &c : cases)
    EXPECT_FLOAT_EQ(framework::frameStep(c.elapsed, c.fixedRate), c.step)
        << c.elapsed << (c.fixedRate ? " fixed" : "");
  EXPECT_EQ(framework::frameStep(200, true), 0.033333335f);
}

// With the fixed rate a short frame sleeps to 30 ms; the step stays 1/30 s.
TEST_F(FrameworkTest, FixedRateSleepsToThirtyMilliseconds) {
  FakeLoopHost host;
  framework::MainLoop loop(host);
  loop.pass(*framework); // the first pass: nothing elapsed yet
  host.now += 12;
  loop.pass(*framework);
  host.now += 200;
  loop.pass(*framework);
  EXPECT_EQ(host.sleeps, (std::vector<unsigned int>{30, 18}));
  ASSERT_EQ(framework->steps.size(), 3u);
  for (float dt : framework->steps)
    EXPECT_EQ(dt, 1.0f / 30.0f);
  EXPECT_EQ(framework->frameTime(), 1.0f / 30.0f);
  EXPECT_EQ(host.pumps, 3);
}

TEST_F(FrameworkTest, WithoutFixedRateTheStepFollowsTheClock) {
  framework->setFixedRate(false);
  FakeLoopHost host;
  framework::MainLoop loop(host);
  loop.pass(*framework);
  host.now += 16;
  loop.pass(*framework);
  host.now += 200;
  loop.pass(*framework);
  EXPECT_TRUE(host.sleeps.empty());
  EXPECT_EQ(framework->steps, (std::vector<float>{0.0001f, 0.016f, 1.0f / 30.0f}));
}

// Inactive passes neither update nor draw, and their time never reaches a step.
TEST_F(FrameworkTest, InactivePassesSkipTheFrameAndItsTime) {
  framework->setFixedRate(false);
  FakeLoopHost host;
  framework::MainLoop loop(host);
  loop.pass(*framework);
  host.isActive = false;
  host.now += 5000;
  loop.pass(*framework);
  host.now += 5000;
  loop.pass(*framework);
  EXPECT_EQ(framework->steps.size(), 1u);
  EXPECT_EQ(host.pumps, 3);
  host.isActive = true;
  host.now += 10;
  loop.pass(*framework);
  EXPECT_EQ(framework->steps.back(), 0.01f);
}

TEST_F(FrameworkTest, TheLoopEndsAfterThePassThatSetTheQuitFlag) {
  struct Quitting : FakeLoopHost {
    Framework *framework = nullptr;
    void pumpEvents() override {
      if (++pumps == 3)
        framework->setQuit(true);
    }
  } host;
  host.framework = framework;
  framework::MainLoop loop(host);
  loop.run(*framework);
  EXPECT_EQ(host.pumps, 3);
  EXPECT_EQ(framework->steps.size(), 3u);
  // Already set: not one more pass.
  loop.run(*framework);
  EXPECT_EQ(host.pumps, 3);
}

TEST(FrameRateHistogram, RowsForCountedTicksScaledToForty) {
  FrameRateHistogram histogram;
  for (int i = 0; i < 30; ++i)
    histogram.add(16);
  for (int i = 0; i < 10; ++i)
    histogram.add(33);
  EXPECT_EQ(histogram.count(16), 30u);
  EXPECT_EQ(histogram.count(17), 0u);
  std::string rule(84, '-');
  std::string expected =
      rule + "\n" +
      "Frame rate histogram (number of ticks, number of frames, percentage of total frames)\n" +
      "16  ) " + std::string(40, '*') + " (30 frames, 75.00%)\n" + "33  ) " + std::string(13, '*') +
      " (10 frames, 25.00%)\n" + rule + "\n";
  container::Vector<char> text;
  histogram.text().toUtf8(text);
  EXPECT_EQ(std::string(text.data()), expected);
}

TEST(FrameRateHistogram, ExactHalvesOfAStarGoDown) {
  FrameRateHistogram histogram;
  for (int i = 0; i < 80; ++i)
    histogram.add(30);
  histogram.add(1); // half a star
  histogram.add(2);
  histogram.add(2);
  histogram.add(2); // one and a half
  histogram.add(4000000000u);
  container::Vector<char> bytes;
  histogram.text().toUtf8(bytes);
  std::string text(bytes.data());
  EXPECT_NE(text.find("1   )  (1 frames, 1.18%)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("2   ) * (3 frames, 3.53%)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("4000000000) "), std::string::npos) << text;
}

TEST(FrameRateHistogram, EmptyPrintsOnlyTheFrame) {
  FrameRateHistogram histogram;
  container::Vector<char> bytes;
  histogram.text().toUtf8(bytes);
  std::string rule(84, '-');
  EXPECT_EQ(std::string(bytes.data()),
            rule +
                "\nFrame rate histogram (number of ticks, number of frames, percentage of total "
                "frames)\n" +
                rule + "\n");
}

TEST_F(FrameworkTest, FrameRateLine) {
  container::Vector<char> bytes;
  framework->frameRateText().toUtf8(bytes);
  EXPECT_EQ(std::string(bytes.data()),
            "FrameRate: 0.00 frames per second (0 frames in 0.00 seconds)\n");
  framework->countFrame(30);
  framework->countFrame(50);
  framework->frameRateText().toUtf8(bytes);
  EXPECT_EQ(std::string(bytes.data()),
            "FrameRate: 25.00 frames per second (2 frames in 0.08 seconds)\n");
  EXPECT_EQ(framework->histogram().count(50), 1u);
}
