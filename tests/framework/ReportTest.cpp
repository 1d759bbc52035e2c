#include "FrameworkTestSupport.h"

#include "error/Report.h"
#include "file/SaveUnderLimit.h"
#include "framework/BetaLog.h"
#include "framework/Distributor.h"
#include "video/Window.h"

#include <sys/stat.h>

using namespace testing_support;

TEST(Report, WarningComposesFileLineFunctionAndText) {
  testing::internal::CaptureStderr();
  framework::reportWarning(L"Level", 12, L"load", L"x");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "WARNING\nLevel(12)\n\nload()\n\nx\n\n");

  testing::internal::CaptureStderr();
  framework::reportWarning("source/game/Level", 7, "read", String(L"100% %s"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "WARNING\nsource/game/Level(7)\n\nread()\n\n100% %s\n\n");
}

TEST(Report, WithTheDialogTheTextGoesThroughTheErrorReport) {
  static bool reportingSeen = false;
  framework::setErrorScreenHook([] { reportingSeen = true; });
  testing::internal::CaptureStderr();
  framework::report(Symbol::intern(L"TITLE"), String(L"text"), true);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "TITLE\ntext\n");
  framework::setErrorScreenHook(nullptr);
  EXPECT_TRUE(reportingSeen);
  EXPECT_FALSE(framework::isReportingError());
}

namespace {

// A window that only keeps its flags.
struct FlagWindow : video::Window {
  void create(const math::Vector2i &size, bool fullscreen, bool, bool) override {
    m_size = size;
    m_fullscreen = fullscreen;
  }
  void setSize(const math::Vector2i &size) override { m_size = size; }
  void resize(const math::Vector2i &size) override { m_size = size; }
  void setActive(bool active) override { m_active = active; }
  void setCaption(const String &caption) override { this->caption = caption; }
  void setFullscreen(bool fullscreen) override { m_fullscreen = fullscreen; }
  void iconify() override {}
  void restore() override {}
  void applyDeviceViewport() override {}
  String caption;
};

} // namespace

TEST_F(FrameworkTest, AnErrorReportTakesTheWindowOutOfFullScreen) {
  auto *window = new FlagWindow;
  window->create(math::Vector2i(320, 480), true, false, false);
  video::Window::setInstance(window);
  testing::internal::CaptureStderr();
  framework::reportError(String(L"broken"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "broken\n");
  EXPECT_FALSE(window->fullscreen());

  framework->setPaused(true);
  EXPECT_EQ(window->caption, String(L"Test (paused)"));
  EXPECT_TRUE(framework->isPaused());
  framework->setPaused(false);
  EXPECT_EQ(window->caption, String(L"Test"));
  video::Window::destroyInstance();
}

TEST_F(FrameworkTest, TheEventLogWritesOnlyWhenEnabled) {
  framework->documents = folder.path();
  framework::BetaLog &log = framework::BetaLog::instance();
  testing::internal::CaptureStderr();
  log.logEvent(String(L"Build"), String(L" SHIP"));
  std::vector<std::string> lines = logTexts(testing::internal::GetCapturedStderr());
  EXPECT_EQ(lines, std::vector<std::string>{"Build:  SHIP"});
  log.addRecord(Symbol::intern(L"event"), quip::Token(1.0f));
  EXPECT_FALSE(folder.exists("beta.txt"));

  log.setEnabled(true);
  framework->update(1.5f);
  testing::internal::CaptureStderr();
  log.logEvent(String(L"Build compile date"), String(L"Oct  8 2010"));
  testing::internal::GetCapturedStderr();
  log.addRecord(Symbol::intern(L"enterScreen"), quip::Token(Symbol::emptySymbol(), false));
  EXPECT_EQ(folder.read("beta.txt"),
            "(time: 1.5 event: 'Build compile date' data: \"Oct  8 2010\")\n"
            "(time: 1.5 event: 'enterScreen')\n");

  // A report is recorded too, and closes the file behind it.
  testing::internal::CaptureStderr();
  framework::reportWarning(L"Level", 3, L"load", L"bad");
  testing::internal::GetCapturedStderr();
  std::string text = folder.read("beta.txt");
  EXPECT_NE(
      text.find("(time: 1.5 event: 'WARNING' data: \"Level(3)\\n\\nload()\\n\\nbad\\n\\n\")\n"),
      std::string::npos)
      << text;
  log.addRecord(Symbol::intern(L"after"), quip::Token(2.0f));
  EXPECT_NE(folder.read("beta.txt").find("event: 'after' data: 2)"), std::string::npos);
}

TEST_F(FrameworkTest, FullScreenPreference) {
  framework->documents = folder.path();
  distributor::Distributor settings;
  EXPECT_EQ(distributor::Distributor::fullScreenPath(), folder.wide() + L"/fullScreen.txt");
  EXPECT_TRUE(settings.isFullScreen()); // no file
  struct Case {
    const char *text;
    bool fullScreen;
  } cases[] = {{"0", false}, {"10", true}, {"1", true}, {"", false}, {"x1", false}};
  for (const Case &c : cases) {
    folder.write("fullScreen.txt", c.text);
    EXPECT_EQ(settings.isFullScreen(), c.fullScreen) << c.text;
  }
  settings.setFullScreen(false);
  EXPECT_EQ(folder.read("fullScreen.txt"), "0");
  settings.setFullScreen(true);
  EXPECT_EQ(folder.read("fullScreen.txt"), "1");
  // An unwritable place is skipped without a report.
  framework->documents = folder.path() + "/absent";
  testing::internal::CaptureStderr();
  settings.setFullScreen(false);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(FrameworkTest, FullScreenPreferenceCutShortKeepsTheOldOne) {
  std::string documents = folder.path() + "/documents";
  ASSERT_EQ(mkdir(documents.c_str(), 0700), 0);
  framework->documents = documents;
  distributor::Distributor settings;
  // Not one byte may be written; the preference is skipped without a report.
  expectSaveFailsWhole(documents, documents + "/fullScreen.txt", "1",
                       [&] {
                         settings.setFullScreen(false);
                         return false;
                       },
                       {0, false, false});
}
