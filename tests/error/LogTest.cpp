#include "error/Log.h"
#include "error/ChildProcess.h"
#include "error/Clock.h"
#include "error/Redirect.h"
#include "file/TextShape.h"
#include "support/TempFolder.h"
#include "xstring/Print.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>
#include <vector>

using testing_support::runInChild;

namespace {

uint64_t g_fakeMilliseconds = 0;
void fakeTime(timeval &now) {
  now.tv_sec = time_t(g_fakeMilliseconds / 1000);
  now.tv_usec = suseconds_t(g_fakeMilliseconds % 1000 * 1000);
}

std::vector<std::string> linesOf(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::string contentsOf(const std::string &path) {
  FILE *f = fopen(path.c_str(), "rb");
  if (!f)
    return "<missing>";
  std::string text;
  for (int c; (c = fgetc(f)) != EOF;)
    text += char(c);
  fclose(f);
  return text;
}

} // namespace

TEST(Log, LinesCarryTheTimeAndTheElapsedTicks) {
  auto child = runInChild([] {
    Clock::setTimeSource(fakeTime);
    // Just below the wrap of the u32 millisecond count: nothing may show it.
    g_fakeMilliseconds = (uint64_t(1) << 32) - 100;
    Clock::releaseStartClock();
    resetLogTicks();
    logLine(L"first");
    g_fakeMilliseconds += 250;
    logLine(String(L"second"));
    logFormat(L"%S is %d%%", L"third", 30);
    g_fakeMilliseconds += 1000;
    logLineAt(L"here", "src/x.cpp", 12);
  });
  EXPECT_EQ(child.exitStatus, 0);
  auto lines = linesOf(child.err);
  ASSERT_EQ(lines.size(), 4u) << child.err;
  // Each line: its prefix, the time of day, then the stamp and the text.
  const std::pair<std::string, std::string> want[] = {
      {"", " (0 elapsed ticks): first"},
      {"", " (250 elapsed ticks): second"},
      {"", " (0 elapsed ticks): third is 30%"},
      {"src/x.cpp(12): ", " (1000 elapsed ticks): here"}};
  const size_t timeLength = std::string(testing_support::timeShape()).size();
  for (size_t i = 0; i < 4; ++i) {
    const auto &[prefix, rest] = want[i];
    const std::string &line = lines[i];
    ASSERT_EQ(line.size(), prefix.size() + timeLength + rest.size()) << line;
    EXPECT_EQ(line.substr(0, prefix.size()), prefix);
    EXPECT_TRUE(testing_support::matchesShape(line.substr(prefix.size(), timeLength),
                                              testing_support::timeShape()))
        << line;
    EXPECT_EQ(line.substr(prefix.size() + timeLength), rest);
  }
}

TEST(Redirect, KeepsFilesWithTextAndRemovesEmptyOnes) {
  testing_support::TempFolder dir;
  String where(dir.path().c_str());
  struct Case {
    const char *name;
    bool toOut, toErr;
    std::function<void()> write;
    std::string out, err;
  };
  const Case cases[] = {
      {"output only", true, true, [] { xstring::print(stdout, L"h\u00e9llo %d\n", 1); },
       "h\xC3\xA9llo 1\n", "<missing>"},
      {"error only", true, true, [] { xstring::write(stderr, L"oops\n"); }, "<missing>", "oops\n"},
      {"both", true, true,
       [] {
         xstring::write(stdout, L"o");
         xstring::write(stderr, L"e");
       },
       "o", "e"},
      {"standard error alone", false, true, [] { xstring::write(stderr, L"e\n"); }, "<missing>",
       "e\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    unlink(dir.path("stdout.txt").c_str());
    unlink(dir.path("stderr.txt").c_str());
    auto child = runInChild([&] {
      if (!redirectOutput(c.toErr, "stderr.txt", c.toOut, "stdout.txt", &where))
        _exit(3);
      c.write();
      closeRedirectedOutput(c.toOut, c.toErr);
    });
    EXPECT_EQ(child.exitStatus, 0);
    EXPECT_EQ(contentsOf(dir.path("stdout.txt")), c.out);
    EXPECT_EQ(contentsOf(dir.path("stderr.txt")), c.err);
  }
}

TEST(Redirect, CurrentDirectoryAndFailure) {
  testing_support::TempFolder dir;
  auto here = runInChild([&] {
    if (chdir(dir.path().c_str()) != 0)
      _exit(4);
    if (!redirectOutput(true, "stderr.txt", true, "stdout.txt", nullptr))
      _exit(3);
    xstring::write(stdout, L"kept\n");
    closeRedirectedOutput(true, true);
  });
  EXPECT_EQ(here.exitStatus, 0);
  EXPECT_EQ(contentsOf(dir.path("stdout.txt")), "kept\n");
  EXPECT_EQ(contentsOf(dir.path("stderr.txt")), "<missing>");

  auto missing = runInChild([] {
    String nowhere = L"/nonexistent/dir";
    _exit(redirectOutput(true, "stderr.txt", true, "stdout.txt", &nowhere) ? 0 : 5);
  });
  EXPECT_EQ(missing.exitStatus, 5);
}
