#include "file/AtomicSave.h"

#include "SaveUnderLimit.h"
#include "file/BufferBinary.h"
#include "file/Localization.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using testing_support::entriesIn;
using testing_support::fileBytes;

TEST(AtomicSave, ReplacesTheFileWholeAndLeavesNothingBeside) {
  testing_support::TempFolder dir;
  std::string target = dir.path("data.bin");
  { std::ofstream(target, std::ios::binary) << "old contents, longer than the new"; }

  file::AtomicSave save(dir.wide("data.bin"));
  ASSERT_NE(save.file(), nullptr);
  EXPECT_TRUE(save.write("new", 3));
  fputs(" text", save.file());
  // Until the commit the old file stands.
  EXPECT_EQ(fileBytes(target), "old contents, longer than the new");
  EXPECT_TRUE(save.commit());
  EXPECT_EQ(fileBytes(target), "new text");
  EXPECT_EQ(entriesIn(dir.path()), 1);

  EXPECT_TRUE(file::saveWhole(dir.wide("empty"), "", 0));
  EXPECT_EQ(fileBytes(dir.path("empty")), "");
}

TEST(AtomicSave, AbandonedOrRefusedSavesKeepTheOldFile) {
  testing_support::TempFolder dir;
  std::string target = dir.path("keep.txt");
  { std::ofstream(target, std::ios::binary) << "keep"; }
  {
    file::AtomicSave save(dir.wide("keep.txt"));
    save.write("lost", 4);
  }
  EXPECT_EQ(fileBytes(target), "keep");
  EXPECT_EQ(entriesIn(dir.path()), 1);

  testing::internal::CaptureStderr();
  file::AtomicSave refused(dir.wide("keep.txt"));
  refused.write("lost", 4);
  refused.fail(String(L"value too large"));
  EXPECT_FALSE(refused.commit());
  bool missingFolder = file::saveWhole(dir.wide("no/such/folder/x.bin"), "x", 1);
  bool quiet = file::saveWhole(dir.wide("no/such/folder/x.bin"), "x", 1, false);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(missingFolder);
  EXPECT_FALSE(quiet);
  EXPECT_NE(err.find("value too large; the previous file is kept"), std::string::npos) << err;
  EXPECT_NE(err.find("Cannot save " + dir.path("no/such/folder/x.bin")), std::string::npos) << err;
  // The quiet save says nothing.
  EXPECT_EQ(err.find("Cannot save", err.find("x.bin") + 1), std::string::npos) << err;
  EXPECT_EQ(fileBytes(target), "keep");
  EXPECT_EQ(entriesIn(dir.path()), 1);
}

// Each writer of this library, cut short as on a full disk.
TEST(AtomicSave, WritersCutShortKeepTheOldFileAndFail) {
  const std::string big(8000, 'x');
  testing_support::TempFolder sources;
  { std::ofstream(sources.path("from"), std::ios::binary) << big; }
  struct Case {
    const char *name;
    std::function<bool(const String &)> writer;
  } cases[] = {
      {"saveWhole",
       [&](const String &path) { return file::saveWhole(path, big.data(), big.size()); }},
      {"BufferBinary::save",
       [&](const String &path) {
         file::BufferBinary bytes;
         bytes.receiveBytes(big.data(), uint32_t(big.size()));
         return bytes.save(path);
       }},
      {"BufferBinary::copyFile",
       [&](const String &path) {
         return file::BufferBinary::copyFile(sources.wide("from"), path);
       }},
      {"Localization::write",
       [&](const String &path) {
         xstring::Localization::release();
         for (int i = 0; i < 60; ++i)
           xstring::Localization::record(String::format(L"text number %d", i), String(L"t"),
                                         String(L"c"), String::format(L"a.! line %d", i));
         bool saved = xstring::Localization::write(path);
         xstring::Localization::release();
         return saved;
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::TempFolder dir;
    testing_support::expectSaveFailsWhole(dir.path(), dir.path("target"), "the old file\n",
                                          [&] { return c.writer(dir.wide("target")); });
  }
}
