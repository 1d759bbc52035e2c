#include "QuipTestSupport.h"

#include "file/Database.h"
#include "quip/ScriptManagerRegistry.h"

#include <string>
#include <vector>

using namespace quip;
using quiptest::ScriptTest;
using testing_support::TempFolder;

namespace {

Array code(const wchar_t *text) { return translate(String(text), String(L"test")); }

TEST_F(ScriptTest, UpdateRunsEachWithTheBudgetAndRemovesFinished) {
  std::wstring thirty;
  for (int i = 0; i < 30; ++i)
    thirty += L"1 ";
  Interpreter *longer = manager.spawn(Symbol::intern(L"long"), code(thirty.c_str()));
  manager.spawn(Symbol::intern(L"short"), code(L"1 2"));
  manager.spawn(Array(0));
  EXPECT_EQ(manager.update(20, 0.1f), 1u);
  EXPECT_EQ(manager.interpreterAt(0), longer);
  EXPECT_EQ(longer->stackSize(), 20u);
  EXPECT_EQ(manager.update(20, 0.1f), 0u);
}

TEST_F(ScriptTest, HaltStopsEveryInterpreterOfTheName) {
  Interpreter *a = manager.spawn(Symbol::intern(L"twin"), code(L"1 2 3"));
  Interpreter *b = manager.spawn(Symbol::intern(L"twin"), code(L"1 2 3"));
  manager.spawn(Symbol::intern(L"other"), code(L"1 2 3"));
  EXPECT_EQ(manager.findRunning(Symbol::intern(L"twin")), a);
  EXPECT_TRUE(manager.halt(Symbol::intern(L"twin")));
  EXPECT_TRUE(a->isFinished() && b->isFinished());
  EXPECT_EQ(manager.findRunning(Symbol::intern(L"twin")), nullptr);
  EXPECT_EQ(manager.runningCount(), 1u);
  EXPECT_FALSE(manager.halt(Symbol::intern(L"nobody")));
  manager.removeFinished();
  EXPECT_EQ(manager.size(), 1u);
}

TEST_F(ScriptTest, SpawnedDuringUpdateRunsInTheSameUpdate) {
  manager.globals().set(Symbol::intern(L"child"), Token(code(L"'childRan' 'c' def"), true));
  manager.spawn(Symbol::intern(L"parent"), code(L"{ child } 'kid' spawnNamed"));
  EXPECT_EQ(manager.update(20, 0.1f), 0u);
  EXPECT_EQ(manager.size(), 0u);
}

bool g_thirdRan = false;

TEST_F(ScriptTest, UpdateFindsItsPlaceAfterTheListShifts) {
  // The second script finishes and removes the first (earlier in the list)
  // while the list is being walked; the third must still run.
  g_thirdRan = false;
  registerBuiltin(manager.builtins(), L"finishFirst", [](Interpreter *i, int *) {
    ScriptManager *m = i->scriptManager();
    m->finish(m->findRunning(Symbol::intern(L"first")));
  });
  registerBuiltin(manager.builtins(), L"recordThird",
                  [](Interpreter *, int *) { g_thirdRan = true; });
  std::wstring thirty;
  for (int i = 0; i < 30; ++i)
    thirty += L"1 ";
  manager.spawn(Symbol::intern(L"first"), code(thirty.c_str()));
  Interpreter *second = manager.spawn(Symbol::intern(L"second"), code(L"finishFirst 1 2 3 4"));
  manager.spawn(Symbol::intern(L"third"), code(L"recordThird"));
  EXPECT_EQ(manager.update(3, 0.1f), 1u);
  EXPECT_TRUE(g_thirdRan);
  EXPECT_EQ(manager.interpreterAt(0), second);
}

TEST_F(ScriptTest, FinishReturnsTheTopOperand) {
  manager.globals().set(Symbol::intern(L"answer"), Token(code(L"6 7 42"), true));
  EXPECT_TRUE(manager.hasProcedure(Symbol::intern(L"answer")));
  EXPECT_EQ(manager.runNamed(Symbol::intern(L"answer")), Token(42.0f));
  EXPECT_EQ(manager.size(), 0u);
  EXPECT_TRUE(manager.runNamed(Symbol::intern(L"missing")).isError());
  EXPECT_TRUE(manager.defineProcedure(String(L"1 2 +"), Symbol::intern(L"sum")));
  EXPECT_TRUE(manager.globals().lookup(Symbol::intern(L"sum"))->isProcedure());
  EXPECT_FALSE(manager.defineProcedure(String(L"{"), Symbol::intern(L"broken")));
}

// What a script and those it spawns print, run to the end a frame at a time
// (one update per frame), or with the frames a lone script runs in one go.
std::string framesPrinted(const std::wstring &text, bool together) {
  ScriptManager manager(Symbol::intern(L"frames"));
  manager.spawn(Symbol::intern(L"parent"), code(text.c_str()));
  return quiptest::captureOutput([&] {
    for (int frame = 0; frame < 1000; ++frame)
      if ((together ? manager.updateFrames(64, 20, 0.1f) : manager.update(20, 0.1f)) == 0)
        break;
  });
}

TEST(ScriptManagerFrames, RunningFramesTogetherChangesNoOrderOfEvents) {
  // The parent counts to twelve, the child prints "c" six times: where the
  // child's lines fall among the parent's shows the frames they ran in.
  const std::wstring child = L"{ j: 0 def t: { j 6 < { 'c' print j: 1 += t } if } def t } ";
  const std::wstring tell = L" i: 0 def tell: { i 12 < { i print i: 1 += tell } if } def tell";
  const std::wstring spin = L"spin: { k 0 > { k: 1 -= spin } if } def ";
  std::vector<std::wstring> scripts;
  // The spawn at every place of a frame.
  for (int k = 0; k < 12; ++k)
    scripts.push_back(L"k: " + std::to_wstring(k) + L" def " + spin + L"spin " + child + L"spawn" +
                      tell);
  scripts.push_back(L"k: 3 def " + spin + L"beginAtomic spin " + child + L"spawn spin endAtomic" +
                    tell);
  scripts.push_back(L"k: 40 def " + spin + L"spin beginAtomic " + child + L"spawn endAtomic" +
                    tell);
  scripts.push_back(child + L"spawn 0.15 wait" + tell);
  scripts.push_back(L"'a' print 0.25 wait 'b' print " + child + L"spawn" + tell);
  scripts.push_back(child + L"spawnToCompletion" + tell);
  scripts.push_back(L"{ " + child + L"spawn 'g' print } spawn" + tell);
  scripts.push_back(L"k: 5 def " + spin + L"spin " + child + L"spawn");
  scripts.push_back(L"k: 30 def " + spin + L"spin 'done' print");
  // Spawns and waits from a procedure hot enough to run compiled.
  scripts.push_back(L"n: 0 def s: { n 5 < { " + child + L"spawn n print n: 1 += s } if } def s" +
                    tell);
  scripts.push_back(L"n: 0 def w: { n 5 < { 0.15 wait n print n: 1 += w } if } def w" + tell);
  for (const std::wstring &text : scripts) {
    SCOPED_TRACE(quiptest::utf8(String(text.c_str())));
    std::string apart = framesPrinted(text, false);
    EXPECT_FALSE(apart.empty());
    EXPECT_EQ(framesPrinted(text, true), apart);
  }
}

class LibraryTest : public ScriptTest {
protected:
  TempFolder dir;
  bool load(const std::string &text) {
    std::string path = dir.write("library.!", text);
    testing::internal::CaptureStderr();
    bool ok = manager.loadScriptLibrary(String::fromUtf8(path.c_str()));
    testing::internal::GetCapturedStderr();
    return ok;
  }
};

TEST_F(LibraryTest, MergesOneDictionaryAfterEverySlice) {
  // About 2500 steps: three slices of 1000.
  std::string text = "( greet: { 'hi' } ";
  for (int i = 0; i < 1245; ++i)
    text += "1 pop ";
  text += ")";
  EXPECT_TRUE(load(text));
  const Token *greet = manager.globals().lookup(Symbol::intern(L"greet"));
  ASSERT_NE(greet, nullptr);
  EXPECT_TRUE(greet->isProcedure());
}

TEST_F(LibraryTest, RefusesAnythingButOneDictionary) {
  EXPECT_FALSE(load("( a: 1 ) 2"));
  EXPECT_FALSE(load("1"));
  EXPECT_FALSE(load("{"));
  EXPECT_EQ(manager.globals().lookup(Symbol::intern(L"a")), nullptr);
  EXPECT_FALSE(manager.loadScriptLibrary(dir.wide("absent.!")));
}

TEST(ScriptManagerRegistry, DatabasesHoldTheirManagers) {
  Database *database = new Database(Symbol::intern(L"registryTest"), String(L"."));
  Database::registerDatabase(database);
  ScriptManagerRegistry &registry = database->scriptManagers();
  EXPECT_EQ(registry.owner(), database);
  {
    ScriptManager first(registry, Symbol::intern(L"b"));
    ScriptManager second(registry, Symbol::intern(L"a"));
    EXPECT_EQ(registry.find(Symbol::intern(L"b")), &first);
    container::Vector<Symbol> names = registry.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], Symbol::intern(L"a"));
    Interpreter *interpreter = first.spawn(Array(0));
    EXPECT_EQ(interpreter->database(), database);
    // A manager of the same name replaces the entry; the old one leaving
    // does not remove the new one.
    {
      ScriptManager replacement(registry, Symbol::intern(L"b"));
      EXPECT_EQ(registry.find(Symbol::intern(L"b")), &replacement);
    }
    EXPECT_EQ(registry.find(Symbol::intern(L"b")), nullptr);
  }
  EXPECT_EQ(registry.find(Symbol::intern(L"a")), nullptr);
  Database::unregisterDatabase(database);
  delete database;
}

} // namespace
