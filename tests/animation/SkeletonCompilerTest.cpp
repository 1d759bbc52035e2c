// The skeleton compiler: the data tree's sources compiled into a folder of
// the test's own read back equal to their sources, through each skeleton's
// own file, the one-file form and the index; a source it cannot compile
// leaves nothing written.

#include "SkeletonTestSupport.h"

#include "SkeletonCompiler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace skeletontest;
using animation::Skeleton;
using testing_support::FrameworkTest;

namespace {

std::wstring form(const Skeleton &skeleton) {
  quip::Dictionary d;
  skeleton.save(d);
  return quip::Token(d).toSortedString().c_str();
}

std::vector<std::wstring> texts(const container::Vector<Symbol> &symbols) {
  std::vector<std::wstring> out;
  for (Symbol s : symbols)
    out.push_back(s.text());
  return out;
}

const std::vector<std::wstring> DataSkeletons = {
    L"bombShockwave",      L"coinMeter",         L"coinSpin",       L"groupScoreDrop",
    L"laserWallSwitchHit", L"signals",           L"tarBall",        L"tarBallBlackDot",
    L"tarBallBlackDotInv", L"tarBallGlow",       L"tarBallInv",     L"triad",
    L"triadHolder",        L"wormHeadExploding", L"wormHeadExtend", L"wormHeadIdle"};

// The data tree's textures and billboards; the compiler's output goes to
// the test's folder, which holds copies of the data tree's sources.
struct Compiler : FrameworkTest {
  CorvaneDatabase *database = nullptr;
  std::string sources = std::string(CORVANE_SOURCE_DIR) + "/data/config/skeletons";

  void SetUp() override {
    FrameworkTest::SetUp();
    std::string log = testing_support::loadDataTree(CorvaneDatabase::LOAD_TEXTURES |
                                                    CorvaneDatabase::LOAD_BILLBOARDS);
    database = corvaneDatabase();
    for (const auto &entry : std::filesystem::directory_iterator(sources)) {
      if (entry.path().extension() != ".!")
        continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      folder.write("config/skeletons/" + entry.path().filename().string(), bytes.str());
    }
  }

  bool compile(container::Vector<Symbol> &names, String &reason) {
    testing::internal::CaptureStderr();
    bool compiled = skeletonc::compileSkeletons(*database, folder.wide(), names, reason);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
    EXPECT_EQ(log.find("not found"), std::string::npos) << log;
    return compiled;
  }

  // The source's skeleton, loaded as the compiler loads it.
  std::wstring sourceForm(const std::wstring &name) {
    String path = folder.wide("config/skeletons/") + name.c_str() + L".!";
    Skeleton skeleton;
    skeleton.load(database, quip::evaluateWithFramework(database, path).dictionary());
    return form(skeleton);
  }
};

} // namespace

TEST_F(Compiler, ItsFilesReadBackEqualToTheirSources) {
  container::Vector<Symbol> names;
  String reason;
  ASSERT_TRUE(compile(names, reason)) << std::wstring(reason.c_str());
  EXPECT_EQ(texts(names), DataSkeletons);
  EXPECT_NE(sourceForm(L"triad").find(L"lamp"), std::wstring::npos);

  // Each skeleton's own file.
  for (const std::wstring &name : DataSkeletons) {
    file::BufferBinary record;
    ASSERT_TRUE(record.open(folder.wide("config/skeletons/") + name.c_str() + L".bin"));
    Skeleton back;
    ASSERT_TRUE(back.readBinary(database, record));
    EXPECT_EQ(record.bytesRemaining(), 0u);
    EXPECT_EQ(form(back), sourceForm(name));
  }

  // The one-file form and the index, as the store reads them.
  database->setPath(folder.wide());
  SkeletonStore &store = database->skeletonStore();
  testing::internal::CaptureStderr();
  store.load(true);
  EXPECT_EQ(texts(store.names(String())), DataSkeletons);
  for (const std::wstring &name : DataSkeletons)
    EXPECT_EQ(form(*store.skeleton(Symbol::intern(name.c_str()))), sourceForm(name));
  store.load(false);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(texts(store.names(String())), DataSkeletons);
  EXPECT_EQ(store.count(), 0u);
  EXPECT_FALSE(store.skeleton(sym(L"triad"))->placeholder);
}

TEST_F(Compiler, ASourceItCannotCompileLeavesNothingWritten) {
  struct Case {
    const char *source;
    const wchar_t *reason;
  };
  const Case cases[] = {
      {"(name: somethingElse:)", L"the skeleton is named somethingElse, its file broken"},
      {"[1 2 3]", L"not a skeleton dictionary"},
  };
  for (const Case &c : cases) {
    folder.write("config/skeletons/broken.!", c.source);
    container::Vector<Symbol> names;
    String reason;
    EXPECT_FALSE(compile(names, reason));
    EXPECT_GE(reason.find(c.reason), 0) << std::wstring(reason.c_str());
    EXPECT_FALSE(folder.exists("config/skeletons.bin"));
    EXPECT_FALSE(folder.exists("config/skeletons/index.bin"));
    EXPECT_FALSE(folder.exists("config/skeletons/triad.bin"));
  }
}
