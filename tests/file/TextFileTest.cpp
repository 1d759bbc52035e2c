#include "error/ChildProcess.h"
#include "file/Buffer.h"
#include "file/FileStatus.h"
#include "file/Path.h"
#include "file/PosixDirectory.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void writeBytes(const std::string &path, const std::string &bytes) {
  FILE *f = fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

std::string names(const container::Vector<Symbol> &list) {
  std::string out;
  for (const Symbol &s : list) {
    container::Vector<char> bytes;
    s.toString().toUtf8(bytes);
    out += std::string(bytes.data()) + " ";
  }
  return out;
}

} // namespace

TEST(TextBuffer, ByteOrderMarksAndPlainBytes) {
  struct Case {
    const char *name;
    std::string bytes;
    String text;
  };
  const Case cases[] = {
      {"little-endian mark", std::string("\xFF\xFE\0\0A\0\0\0", 8), L"A"},
      {"swapped mark", std::string("\xFE\xFF\0\0\0A\0\0", 8), L"A"},
      {"wide character", std::string("\xFF\xFE\0\0\x3A\x26\0\0\x00\xF6\x01\0", 12),
       L"\u263A\U0001F600"},
      // A partial character after the mark is dropped.
      {"mark and partial", std::string("\xFF\xFE\0\0B\0\0\0C\0", 10), L"B"},
      {"mark only", std::string("\xFF\xFE\0\0", 4), String()},
      {"no mark", "xyz", L"xyz"},
      {"bytes are characters", "\xE9\xFF", L"\u00e9\u00ff"},
      {"empty", "", String()},
  };
  testing_support::TempFolder dir;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    writeBytes(dir.path("t.txt"), c.bytes);
    file::Buffer b(dir.wide("t.txt"));
    EXPECT_TRUE(b.isLoaded());
    EXPECT_EQ(b.characterCount(), c.text.length());
    EXPECT_EQ(b.wholeText(), c.text);
  }
}

TEST(TextBuffer, MissingFileAndDirectory) {
  testing_support::TempFolder dir;
  file::Buffer b;
  EXPECT_FALSE(b.open(dir.wide("missing")));
  EXPECT_FALSE(b.isLoaded());
  EXPECT_EQ(b.characterCount(), 0u);
  EXPECT_TRUE(b.wholeText().isEmpty());
  String line;
  wchar_t c;
  EXPECT_FALSE(b.readLine(line));
  EXPECT_FALSE(b.next(c));
  EXPECT_FALSE(b.matches(L""));
  EXPECT_FALSE(b.open(String(dir.path().c_str())));
}

TEST(TextBuffer, ReadsLinesSkippingBlankOnes) {
  testing_support::TempFolder dir;
  writeBytes(dir.path("l.txt"), "\n\nab\r\ncd");
  file::Buffer b(dir.wide("l.txt"));
  String line;
  ASSERT_TRUE(b.readLine(line));
  EXPECT_EQ(line, String(L"ab"));
  ASSERT_TRUE(b.readLine(line));
  EXPECT_EQ(line, String(L"cd"));
  EXPECT_FALSE(b.readLine(line));
  EXPECT_TRUE(line.isEmpty());
}

TEST(TextBuffer, PeekNextMatchReadAndMove) {
  testing_support::TempFolder dir;
  writeBytes(dir.path("p.txt"), "hello");
  file::Buffer b(dir.wide("p.txt"));
  wchar_t c = 0;
  EXPECT_FALSE(b.peek(0, c)) << "nothing read yet";
  ASSERT_TRUE(b.peek(1, c));
  EXPECT_EQ(c, L'h');
  ASSERT_TRUE(b.next(c));
  ASSERT_TRUE(b.peek(0, c));
  EXPECT_EQ(c, L'h');
  ASSERT_TRUE(b.peek(4, c));
  EXPECT_EQ(c, L'o');
  EXPECT_FALSE(b.peek(5, c));

  EXPECT_TRUE(b.matches(L"ello"));
  EXPECT_TRUE(b.matches(L""));
  EXPECT_FALSE(b.matches(L"ellos"));
  EXPECT_EQ(b.position(), 1u);

  wchar_t four[4];
  EXPECT_FALSE(b.read(four, 5));
  ASSERT_TRUE(b.read(four, 4));
  EXPECT_EQ(std::wstring(four, 4), L"ello");
  EXPECT_FALSE(b.next(c));
  b.back(2);
  EXPECT_TRUE(b.matches(L"lo"));
  b.back(10);
  EXPECT_EQ(b.position(), 0u);
  b.read(four, 2);
  b.rewind();
  EXPECT_EQ(b.position(), 0u);
}

TEST(Paths, HelpersAndStatus) {
  testing_support::TempFolder dir;
  EXPECT_EQ(file::nativePath(L"a\\b\\c.txt"), String(L"a/b/c.txt"));
  EXPECT_EQ(file::absolutePath(L"/x/y"), String(L"/x/y"));
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(file::currentDirectory(), String(cwd));
  EXPECT_EQ(file::absolutePath(L"name"), String(cwd) + L"/name");

  String sub = dir.wide("sub");
  EXPECT_FALSE(file::exists(sub));
  EXPECT_TRUE(file::makeDirectory(sub));
  EXPECT_FALSE(file::makeDirectory(sub));
  EXPECT_TRUE(file::isDirectory(sub));

  // Backslashes are taken as separators; non-ASCII names go out as UTF-8.
  String name = sub + L"\\\u00e9t\u00e9.txt";
  FILE *f = file::openFile(name, L"wb");
  ASSERT_NE(f, nullptr);
  fputs("12345", f);
  file::closeFile(f);
  EXPECT_EQ(access((dir.path("sub") + "/\xC3\xA9t\xC3\xA9.txt").c_str(), F_OK), 0);
  EXPECT_TRUE(file::exists(name));
  EXPECT_FALSE(file::isDirectory(name));
  unsigned int size = 0;
  EXPECT_TRUE(file::fileSize(name, size));
  EXPECT_EQ(size, 5u);

  time_t old = 0;
  ASSERT_TRUE(file::modificationTime(name, old));
  EXPECT_GT(old, 0);
  EXPECT_TRUE(file::touch(name));
  time_t now = 0;
  ASSERT_TRUE(file::modificationTime(name, now));
  EXPECT_GE(now, old);

  time_t untouched = 42;
  unsigned int untouchedSize = 7;
  EXPECT_FALSE(file::modificationTime(dir.wide("missing"), untouched));
  EXPECT_FALSE(file::fileSize(dir.wide("missing"), untouchedSize));
  EXPECT_FALSE(file::touch(dir.wide("missing")));
  EXPECT_EQ(untouched, 42);
  EXPECT_EQ(untouchedSize, 7u);
  EXPECT_EQ(file::openFile(dir.wide("missing"), L"rb"), nullptr);

  EXPECT_TRUE(file::removeFile(name));
  EXPECT_FALSE(file::removeFile(name));
  EXPECT_FALSE(file::exists(name));
}

TEST(Directory, FilterPatterns) {
  struct Case {
    const wchar_t *filter;
    const wchar_t *name;
    bool listed;
  };
  const Case cases[] = {
      {L"", L"anything", true},
      {L",,", L"anything", true},
      {L"*", L"anything", true},
      {L"*.txt", L"a.txt", true},
      {L"*.txt", L"a.txtx", true},
      {L"*.txt", L"a.txtxy", false},
      {L"*.txt", L"a.png", false},
      {L"a*", L"abc", true},
      {L"a*", L"bac", false},
      {L"*.txt,*.png", L"b.png", true},
      {L"*.txt, *.png", L"b.png", false}, // the blank is part of the pattern
      {L"*b*", L"abc", true},
      {L"abc", L"abc", true},
      {L"ab", L"abc", true},
      {L"ab", L"abcd", false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(PosixDirectory::matchesFilter(c.name, c.filter), c.listed)
        << String(c.filter).toNarrow() << " / " << String(c.name).toNarrow();
}

TEST(Directory, ListsInNameOrder) {
  testing_support::TempFolder dir;
  for (const char *name : {"b.txt", "a.png", "C.txt", "a.txt", "notes"})
    writeBytes(dir.path(name), "x");
  ASSERT_TRUE(file::makeDirectory(dir.wide("zdir")));
  ASSERT_TRUE(file::makeDirectory(dir.wide("adir")));
  // A dangling link has no status: it counts as both kinds.
  ASSERT_EQ(symlink("/nonexistent/target", dir.path("link").c_str()), 0);
  String root(dir.path().c_str());

  container::Vector<Symbol> out;
  out.push(Symbol::intern(L"stale"));
  file::listFiles(root, L"", out);
  EXPECT_EQ(names(out), "C.txt a.png a.txt b.txt link notes ");
  file::listFiles(root, L"*.txt,*.png", out);
  EXPECT_EQ(names(out), "C.txt a.png a.txt b.txt ");
  file::listFiles(root, L"a*", out);
  EXPECT_EQ(names(out), "a.png a.txt ");
  file::listSubdirectories(root, out);
  EXPECT_EQ(names(out), ". .. adir link zdir ");

  container::Vector<Symbol> drives = file::listDrives();
  ASSERT_EQ(drives.size(), 1u);
  EXPECT_EQ(drives[0], Symbol::intern(L"/"));
}

TEST(Directory, UnreadableDirectoryIsAnAssertion) {
  auto child = testing_support::runInChild([] {
    container::Vector<Symbol> out;
    file::listFiles(L"/nonexistent/dir", L"", out);
  });
  EXPECT_EQ(child.exitStatus, 255);
  EXPECT_NE(child.err.find("ASSERT: source/file/PosixDirectory("), std::string::npos) << child.err;
  EXPECT_NE(child.err.find(") listFiles() n >= 0 && \"scandir failure\": /nonexistent/dir\n"),
            std::string::npos)
      << child.err;
}
