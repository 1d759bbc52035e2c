// The skeleton store: placeholders, the index and one-file forms chosen by
// "database.!", per-skeleton files read on first use, refreshing in place,
// and files that are cut short or hold what the format cannot.

#include "SkeletonTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"
#include "support/NullCanvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using namespace skeletontest;
using animation::Skeleton;

namespace {

const wchar_t *Dot =
    L"(name: %ls: root: (name: dot: billboardChannel: (billboard: (prototype: red:))))";

std::wstring named(const wchar_t *format, const wchar_t *name) {
  std::wstring text(format);
  size_t at = text.find(L"%ls");
  text.replace(at, 3, name);
  return text;
}

int count(const std::string &text, const std::string &part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

std::vector<std::wstring> texts(const container::Vector<Symbol> &symbols) {
  std::vector<std::wstring> out;
  for (Symbol s : symbols)
    out.push_back(s.text());
  return out;
}

struct SkeletonFiles : SkeletonWorld {
  // Own files of the names, the one-file form of them all, and their index.
  void writeAll(std::initializer_list<const wchar_t *> names) {
    std::string all;
    container::Vector<Symbol> listed;
    for (const wchar_t *name : names) {
      std::string narrow(name, name + std::wcslen(name));
      all += saveOwnFile(named(Dot, name).c_str(), narrow.c_str());
      listed.push(sym(name));
    }
    folder.write("config/skeletons.bin", all);
    ASSERT_TRUE(SkeletonStore::writeIndex(listed, folder.wide("config/skeletons/index.bin")));
  }
  // The framework's load of skeletons; its standard error.
  std::string loadSkeletons() {
    testing::internal::CaptureStderr();
    database->loadAll(CorvaneDatabase::LOAD_SKELETONS);
    return testing::internal::GetCapturedStderr();
  }
};

} // namespace

TEST_F(SkeletonFiles, AMissingNameGivesOnePlaceholderAndOneReport) {
  testing::internal::CaptureStderr();
  Skeleton *first = store().skeleton(sym(L"nowhere"));
  Skeleton *second = store().skeleton(sym(L"nowhere"));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, second);
  EXPECT_TRUE(first->placeholder);
  EXPECT_EQ(first->name, sym(L"nowhere"));
  EXPECT_EQ(count(log, "Skeleton 'nowhere' not found in database framework.  Using placeholder."),
            1)
      << log;
  // An empty skeleton draws nothing and picks nothing.
  testing_support::NullCanvas canvas;
  first->animate(0.0f);
  first->render(canvas);
  math::Color texel;
  EXPECT_EQ(first->pick(math::Vector2(), nullptr, texel), nullptr);
}

TEST_F(SkeletonFiles, AFileWhoseRecordNamesAnotherIsFiledUnderTheRequestedName) {
  saveOwnFile(named(Dot, L"other").c_str(), "alias");
  testing::internal::CaptureStderr();
  Skeleton *skeleton = store().skeleton(sym(L"alias"));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(skeleton->name, sym(L"other"));
  EXPECT_FALSE(skeleton->placeholder);
  EXPECT_NE(log.find("Stored skeleton name (other) does not match requested skeleton name "
                     "(alias). Make sure filename and stored name match."),
            std::string::npos)
      << log;
  EXPECT_EQ(store().skeleton(sym(L"alias")), skeleton);
}

TEST_F(SkeletonFiles, TheDatabaseSettingsChooseTheForm) {
  writeAll({L"b", L"a", L"c"});
  // The index form: names known before any skeleton is read.
  std::string log = loadSkeletons();
  EXPECT_NE(log.find("Deserialized index: "), std::string::npos) << log;
  EXPECT_FALSE(store().oneFileForm());
  EXPECT_EQ(store().count(), 0u);
  EXPECT_TRUE(store().contains(sym(L"b")));
  EXPECT_FALSE(store().contains(sym(L"d")));
  EXPECT_EQ(texts(store().names(String())), (std::vector<std::wstring>{L"a", L"b", L"c"}));
  Skeleton *b = store().skeleton(sym(L"b"));
  EXPECT_FALSE(b->placeholder);
  EXPECT_EQ(b->root().name, sym(L"dot"));
  EXPECT_EQ(store().count(), 1u);

  // The one-file form: everything read at once, nothing looked for beside it.
  folder.write("database.!", "( loadMonolithicSkeletonFile: true: )");
  saveOwnFile(named(Dot, L"d").c_str(), "d");
  log = loadSkeletons();
  EXPECT_NE(log.find("Deserialized skeletons: "), std::string::npos) << log;
  EXPECT_TRUE(store().oneFileForm());
  EXPECT_EQ(store().count(), 3u);
  EXPECT_EQ(texts(store().names(String(L"B"))), (std::vector<std::wstring>{L"b"}));
  testing::internal::CaptureStderr();
  Skeleton *d = store().skeleton(sym(L"d"));
  log = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(d->placeholder);
  EXPECT_NE(log.find("Skeleton 'd' not found"), std::string::npos) << log;
  EXPECT_TRUE(store().contains(sym(L"d")));
}

TEST_F(SkeletonFiles, MissingFilesAreLoggedNotReported) {
  std::string log = loadSkeletons();
  EXPECT_NE(log.find("No skeleton index: "), std::string::npos) << log;
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  store().load(true);
  EXPECT_EQ(store().count(), 0u);
}

TEST_F(SkeletonFiles, TheIndexCountOnlyReservesRoom) {
  file::BufferBinary index;
  file::write(uint16_t(3), index);
  for (const wchar_t *name : {L"e", L"a", L"d", L"b", L"c"})
    file::write(sym(name), index);
  folder.write("config/skeletons/index.bin",
               std::string(reinterpret_cast<const char *>(index.data()), index.size()));
  store().loadIndex();
  // All five, sorted for the search whatever order the index held.
  EXPECT_EQ(texts(store().names(String())),
            (std::vector<std::wstring>{L"a", L"b", L"c", L"d", L"e"}));
  for (const wchar_t *name : {L"a", L"c", L"e"})
    EXPECT_TRUE(store().contains(sym(name))) << name;

  // A name cut short ends the index with an error, keeping those before it.
  folder.write("config/skeletons/index.bin",
               std::string(reinterpret_cast<const char *>(index.data()), index.size() - 1));
  testing::internal::CaptureStderr();
  store().loadIndex();
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Skeleton index ends in a broken name"), std::string::npos) << log;
  EXPECT_EQ(store().names(String()).size(), 4u);
}

TEST_F(SkeletonFiles, RefreshingReadsNewContentIntoTheSameObjects) {
  writeAll({L"kept", L"gone", L"unbuilt"});
  for (const char *source : {"kept", "unbuilt", "late"})
    folder.write(std::string("config/skeletons/") + source + ".!", "()");
  store().loadIndex();
  Skeleton *kept = store().skeleton(sym(L"kept"));
  Skeleton *gone = store().skeleton(sym(L"gone"));
  Skeleton *unbuilt = store().skeleton(sym(L"unbuilt"));
  testing::internal::CaptureStderr();
  Skeleton *late = store().skeleton(sym(L"late"));
  testing::internal::GetCapturedStderr();
  ASSERT_TRUE(late->placeholder);

  // New content for two of them; one loses its own file, one its source.
  saveOwnFile(L"(name: kept: root: (name: grown: children: [(name: leaf:)]))", "kept");
  saveOwnFile(L"(name: late: root: (name: now:))", "late");
  std::remove(folder.path("config/skeletons/unbuilt.bin").c_str());
  testing::internal::CaptureStderr();
  store().refreshSkeletons();
  std::string log = testing::internal::GetCapturedStderr();

  EXPECT_EQ(store().skeleton(sym(L"kept")), kept);
  EXPECT_EQ(kept->root().name, sym(L"grown"));
  EXPECT_EQ(kept->renderList().size(), 2u);
  EXPECT_EQ(store().skeleton(sym(L"late")), late);
  EXPECT_FALSE(late->placeholder);
  EXPECT_EQ(late->root().name, sym(L"now"));
  // Those that cannot be refreshed stay as they were.
  EXPECT_EQ(gone->root().name, sym(L"dot"));
  EXPECT_EQ(unbuilt->root().name, sym(L"dot"));
  EXPECT_NE(log.find("Skeleton no longer exists: gone"), std::string::npos) << log;
  EXPECT_NE(log.find("Skeleton file not found during refresh: " +
                     folder.path("config/skeletons/unbuilt.bin")),
            std::string::npos)
      << log;
  // The name list is the sources'.
  EXPECT_FALSE(store().contains(sym(L"zzz")));
  EXPECT_EQ(texts(store().names(String())),
            (std::vector<std::wstring>{L"kept", L"late", L"unbuilt"}));
}

TEST_F(SkeletonFiles, BrokenFilesEndTheReadWithAnError) {
  std::string whole = saveOwnFile(named(Dot, L"whole").c_str(), "whole");
  // A skeleton file cut short leaves an empty skeleton in the table.
  folder.write("config/skeletons/cut.bin", whole.substr(0, whole.size() - 3));
  testing::internal::CaptureStderr();
  Skeleton *cut = store().skeleton(sym(L"cut"));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(cut->root().childCount(), 0u);
  EXPECT_EQ(cut->root().billboardChannel.frameCount(), 0u);
  EXPECT_NE(log.find("Skeleton file cannot be read: "), std::string::npos) << log;
  EXPECT_NE(log.find("Stored skeleton name () does not match"), std::string::npos) << log;

  // The one-file form keeps the records before a broken one.
  std::string second = saveOwnFile(named(Dot, L"second").c_str(), "second");
  folder.write("config/skeletons.bin", whole + second.substr(0, second.size() - 1));
  testing::internal::CaptureStderr();
  store().load(true);
  log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Skeletons: the file ends in a broken record"), std::string::npos) << log;
  EXPECT_EQ(store().count(), 1u);
  EXPECT_TRUE(store().contains(sym(L"whole")));
}
