#include "file/Command.h"
#include "file/FileStatus.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {
container::Vector<String> args(std::initializer_list<const wchar_t *> list) {
  container::Vector<String> out;
  for (const wchar_t *a : list)
    out.push(a);
  return out;
}
} // namespace

TEST(Command, RunsJoinedWithBlanks) {
  testing_support::TempFolder dir;
  String target = dir.wide("out.txt");
  int status = runCommand(L"printf", args({L"'%s-%s'", L"a", L"b", L">", target.c_str()}));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  String text;
  EXPECT_EQ(captureCommandOutput(L"cat " + target, &text), 0);
  EXPECT_EQ(text, String(L"a-b"));

  status = runCommand(L"exit", args({L"3"}));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
}

TEST(Command, CapturesOutput) {
  String text = L"before:";
  int status = captureCommandOutput(L"printf 'one\\ntw\\303\\266 %s' x; exit 2", &text);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
  EXPECT_EQ(text, String(L"before:one\ntw\u00f6 x"));

  // A long line arrives whole although it is read in pieces.
  String longText;
  EXPECT_EQ(
      captureCommandOutput(
          L"head -c 1000 /dev/zero | tr '\\0' '\\303' | sed 's/\\xc3/\\xc3\\xa9/g'", &longText),
      0);
  EXPECT_EQ(longText.length(), 1000u);
  EXPECT_EQ(longText.count(L'\u00e9'), 1000u);

  EXPECT_EQ(captureCommandOutput(L"true", nullptr), 0);
}

TEST(Command, RunsInTheBackground) {
  testing_support::TempFolder dir;
  String marker = dir.wide("done");
  ASSERT_TRUE(runCommandInBackground(L"touch", args({marker.c_str()})));
  // Wait (bounded) for the command to finish.
  for (int i = 0; i < 500 && !file::exists(marker); ++i)
    usleep(10000);
  EXPECT_TRUE(file::exists(marker));
  // The started child is gone: nothing is left to wait for.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}
