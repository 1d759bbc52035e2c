#include "framework/CorvaneDatabase.h"
#include "error/ChildProcess.h"
#include "framework/Report.h"

#include <gtest/gtest.h>

TEST(CorvaneDatabase, IsItsOwnAssetDatabase) {
  auto *engine = new CorvaneDatabase(Symbol::intern(L"corvane"), L".");
  Database::registerDatabase(engine);
  Database::setCurrent(Symbol::intern(L"corvane"));
  EXPECT_EQ(Database::current(), engine);
  EXPECT_EQ(Database::current()->assetDatabase(), engine);
  EXPECT_EQ(engine->path(), String(L"."));

  Database plain(Symbol::intern(L"plain"), L"data");
  EXPECT_EQ(plain.assetDatabase(), nullptr);
  Database::releaseRegistry();
}

TEST(Report, TitleThenTextOnStandardErrorAndTheSink) {
  static std::string sunk;
  auto child = testing_support::runInChild([] {
    framework::reportTitled(SYM(L"NO SINK"), L"plain\n", false);
    framework::setReportSink([](Symbol title, const String &text) {
      container::Vector<char> a, b;
      title.toString().toUtf8(a);
      text.toUtf8(b);
      fprintf(stdout, "[%s|%s]", a.data(), b.data());
    });
    framework::reportTitled(SYM(L"WARNING"), L"100% %s done\n", false);
    framework::reportTitled(SYM(L"T\u00e9"), L"x", true);
  });
  EXPECT_EQ(child.exitStatus, 0);
  EXPECT_EQ(child.err, "NO SINK\nplain\nWARNING\n100% %s done\nT\xC3\xA9\nx");
  EXPECT_EQ(child.out, "[WARNING|100% %s done\n][T\xC3\xA9|x]");
}
