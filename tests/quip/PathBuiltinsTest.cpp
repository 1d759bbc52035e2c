#include "BuiltinCases.h"

#include "file/Database.h"
#include "file/Path.h"
#include "support/TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace quiptest;

namespace {

// A scratch directory with two text files, a script with only its compiled
// form, and a subdirectory.
class PathBuiltins : public BuiltinTest {
protected:
  void SetUp() override {
    for (const char *name : {"b.txt", "a.txt", "c.png", "gone.!.bin"})
      folder.write(name, "");
    std::filesystem::create_directory(folder.path("sub"));
  }

  // The script text with every @ replaced by the scratch directory.
  Outcome runIn(const std::string &text) {
    std::string script;
    for (char c : text)
      script += c == '@' ? root : std::string(1, c);
    String wide = String::fromUtf8(script.c_str());
    return run(wide.c_str());
  }

  testing_support::TempFolder folder;
  const std::string &root = folder.path();
};

TEST_F(PathBuiltins, Listings) {
  EXPECT_EQ(runIn("\"@\" \"\" listFiles").stack, "[a.txt b.txt c.png gone.!.bin]");
  EXPECT_EQ(runIn("\"@\" \"*.txt\" listFiles").stack, "[a.txt b.txt]");
  EXPECT_EQ(runIn("\"@\" \"*.png,a*\" listFiles").stack, "[a.txt c.png]");
  EXPECT_EQ(runIn("\"@\" \"*.jpg\" listFiles").stack, "[]");
  EXPECT_EQ(runIn("\"@\" listSubdirectories").stack, "[. .. sub]");
  EXPECT_EQ(run(L"listDrives").stack, "[/]");
  // Each name is an executable symbol in a literal array.
  quip::Interpreter *in = start(L"\"/\" listSubdirectories");
  const quip::Token &list = in->operands()[0];
  EXPECT_FALSE(list.isExecutable());
  ASSERT_GT(list.array().count(), 0u);
  EXPECT_TRUE(list.array()[0].isSymbol() && list.array()[0].isExecutable());
}

// A directory that cannot be read gives an empty list and no report.
TEST_F(PathBuiltins, UnreadableDirectoryListsNothing) {
  Outcome files = runIn("\"@/missing\" \"\" listFiles");
  EXPECT_EQ(files.stack, "[]");
  EXPECT_EQ(files.errors, "");
  Outcome subdirectories = runIn("\"@/a.txt\" listSubdirectories \"\" listSubdirectories");
  EXPECT_EQ(subdirectories.stack, "[] []");
  EXPECT_EQ(subdirectories.errors, "");
}

TEST_F(PathBuiltins, Paths) {
  String cwd = file::currentDirectory();
  EXPECT_EQ(run(L"\"/a/b\" absolutePath").stack, "\"/a/b\"");
  EXPECT_EQ(run(L"\"x.!\" absolutePath").stack, "\"" + utf8(cwd) + "/x.!\"");
  EXPECT_EQ(run(L"\"/a/b\" driveFromPath \"rel\" driveFromPath \"\" driveFromPath").stack,
            "\"/\" \"/\" \"/\"");
  EXPECT_EQ(run(L"pathSeparator").stack, "\"/\"");
}

TEST_F(PathBuiltins, Databases) {
  Database *database = new Database(Symbol::intern(L"quipPathsDb"), String(L"/data/tree"));
  Database::registerDatabase(database);
  Symbol previous = Database::currentName();
  Database::setCurrent(Symbol::intern(L"quipPathsDb"));
  EXPECT_EQ(run(L"quipPathsDb: databasePath defaultDatabase").stack,
            "\"/data/tree\" 'quipPathsDb'");
  Outcome missing = run(L"noSuchDb: databasePath");
  EXPECT_EQ(missing.stack, "");
  EXPECT_EQ(missing.errors, "builtin_databasePath: no database named noSuchDb");
  Database::setCurrent(Symbol::intern(L"noSuchDb"));
  EXPECT_EQ(run(L"defaultDatabase").stack, "''");
  Database::setCurrent(previous);
  Database::unregisterDatabase(database);
  delete database;
}

TEST_F(PathBuiltins, FileQueries) {
  const std::string script = root + "/gone.!";
  EXPECT_EQ(runIn("\"@/a.txt\" fileExists \"@/sub\" fileExists \"@/nope\" fileExists").stack,
            "'true' 'true' 'false'");
  // Only the compiled form of the script is left.
  EXPECT_EQ(runIn("\"@/gone.!\" fileExists \"@/gone.!\" quipFileExists").stack, "'false' 'true'");
  EXPECT_EQ(runIn("\"@/a.txt\" quipFileExists \"@/nope\" quipFileExists").stack, "'true' 'false'");
}

TEST_F(PathBuiltins, Errors) {
  const BuiltinCase cases[] = {
      {L"\"/tmp\" 3 listFiles", "\"/tmp\"",
       "builtin_listFiles: Type-check failed.  Argument 'filter'\n(3)\nis type 'number', should "
       "be type 'string'."},
      {L"3 \"\" listFiles", "",
       "builtin_listFiles: Type-check failed.  Argument 'path'\n(3)\nis type 'number', should be "
       "type 'string'."},
      {L"listSubdirectories", "", "builtin_listSubdirectories: stack underflow"},
      {L"x: absolutePath", "",
       "builtin_absolutePath: Type-check failed.  Argument 'relativePath'\n('x')\nis type "
       "'symbol', should be type 'string'."},
      {L"1 driveFromPath", "",
       "builtin_driveFromPath: Type-check failed.  Argument 'path'\n(1)\nis type 'number', "
       "should be type 'string'."},
      {L"\"d\" databasePath", "",
       "builtin_databasePath: Type-check failed.  Argument 'name'\n(\"d\")\nis type 'string', "
       "should be type 'symbol'."},
      {L"7 fileExists", "",
       "builtin_fileExists: Type-check failed.  Argument 'file'\n(7)\nis type 'number', should "
       "be type 'string'."},
      {L"quipFileExists", "", "builtin_quipFileExists: stack underflow"},
  };
  CHECK_CASES(cases);
}

} // namespace
