#include "QuipTestSupport.h"

#include "file/Database.h"
#include "quip/ScriptManagerRegistry.h"
#include "quip/Serializer.h"

using namespace quip;
using quiptest::captureOutput;
using quiptest::Diagnostics;
using testing_support::TempFolder;

namespace {

Array code(const wchar_t *text) { return translate(String(text), String(L"test")); }

// Managers registered in a current database, as the engine has them.
class ScriptControlTest : public testing::Test {
protected:
  ScriptControlTest() {
    database = new Database(Symbol::intern(L"controlTest"), String(L"."));
    Database::registerDatabase(database);
    previous = Database::currentName();
    Database::setCurrent(database->name());
    framework = new ScriptManager(database->scriptManagers(), Symbol::intern(L"framework"));
    other = new ScriptManager(database->scriptManagers(), Symbol::intern(L"other"));
  }
  ~ScriptControlTest() override {
    delete framework;
    delete other;
    Database::setCurrent(previous);
    Database::unregisterDatabase(database);
    delete database;
  }

  Interpreter *spawn(const wchar_t *name, const wchar_t *text) {
    return framework->spawn(Symbol::intern(name), code(text));
  }
  static std::string stack(Interpreter *interpreter) {
    return quiptest::utf8(Token(interpreter->operands(), false).toString());
  }

  Database *database;
  Symbol previous;
  ScriptManager *framework;
  ScriptManager *other;
};

TEST_F(ScriptControlTest, MessagesCountLiveReceivers) {
  Interpreter *sender =
      spawn(L"sender", L"{ 1 wait } 'twin' spawnNamed { 1 wait } 'twin' spawnNamed");
  framework->update(20, 0);
  EXPECT_EQ(framework->size(), 2u);
  Interpreter *post = spawn(L"post", L"twin: hello: 5 sendMessage nobody: hello: 5 sendMessage");
  post->run(0, 0);
  EXPECT_EQ(stack(post), "[2 0]");
  (void)sender;
  // Run the twins to their end: they no longer receive.
  framework->update(20, 2);
  framework->update(20, 0);
  Interpreter *late = spawn(L"late", L"twin: hello: 5 sendMessage");
  late->run(0, 0);
  EXPECT_EQ(stack(late), "[0]");
}

TEST_F(ScriptControlTest, SelectRunsTheHandlerOfAMessage) {
  Interpreter *receiver =
      spawn(L"receiver", L"( ping: { 'gotPing' } timeout: { 'timedOut' } ) 10 select 'after'");
  framework->update(20, 0);
  EXPECT_EQ(receiver->state(), Interpreter::WAITING);
  Interpreter *remote = other->spawn(Symbol::intern(L"remote"),
                                     code(L"framework: receiver: ping: 7 sendRemoteMessage "
                                          L"missing: receiver: ping: 7 sendRemoteMessage"));
  remote->run(0, 0);
  EXPECT_EQ(stack(remote), "[1 0]");
  framework->update(20, 0.1f);
  EXPECT_EQ(framework->size(), 0u);
}

TEST_F(ScriptControlTest, HaltAtomicAndManagerName) {
  EXPECT_EQ(framework->finish(spawn(L"a", L"1 halt 2")), Token(1.0f));
  Interpreter *halted = spawn(L"h", L"1 halt 2");
  halted->run(0, 0);
  EXPECT_EQ(stack(halted), "[1]");
  Interpreter *atomic = spawn(L"at", L"beginAtomic beginAtomic endAtomic 'x'");
  for (int i = 0; i < 3; ++i)
    atomic->step();
  EXPECT_EQ(atomic->state(), Interpreter::ATOMIC);
  Interpreter *unmatched = spawn(L"un", L"endAtomic beginAtomic 'x'");
  unmatched->step();
  unmatched->step();
  EXPECT_EQ(unmatched->atomicDepth(), 0);
  EXPECT_EQ(unmatched->state(), Interpreter::RUNNING);
  Interpreter *name = spawn(L"cur", L"currentScriptManager");
  name->run(0, 0);
  ASSERT_EQ(name->stackSize(), 1u);
  EXPECT_TRUE(name->operands()[0].isExecutable());
  EXPECT_EQ(stack(name), "[framework]");
  Interpreter *all =
      spawn(L"all", L"{ 5 wait } spawn other: haltAll framework: haltAll 'notReached'");
  framework->update(20, 0);
  EXPECT_FALSE(framework->contains(all));
}

TEST_F(ScriptControlTest, SpawningIntoManagers) {
  Interpreter *spawner =
      spawn(L"s", L"{ 1 } other: spawnRemote { 2 } other: 'named' spawnRemoteNamed "
                  L"{ 3 } spawn { 4 } spawn");
  spawner->run(0, 0);
  EXPECT_EQ(other->size(), 2u);
  EXPECT_EQ(other->interpreterAt(1)->name(), Symbol::intern(L"named"));
  EXPECT_EQ(framework->size(), 3u);
  EXPECT_NE(framework->interpreterAt(1), framework->interpreterAt(2));
  Diagnostics on;
  std::string printed =
      captureOutput([&] { spawn(L"bad", L"{ 1 } nowhere: spawnRemote")->run(0, 0); });
  EXPECT_NE(printed.find("builtin_spawnRemote: "), std::string::npos);
}

TEST_F(ScriptControlTest, SpawnToCompletionRefusesWaits) {
  Diagnostics on;
  Interpreter *caller = nullptr;
  std::string printed = captureOutput([&] {
    caller = spawn(L"caller",
                   L"{ 'inner' 1 wait 'afterWait' ( ) 5 select 'end' } spawnToCompletion 'caller'");
    caller->run(0, 0);
  });
  EXPECT_EQ(stack(caller), "['caller']");
  size_t first = printed.find("Waiting not allowed while atomic");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(printed.find("Waiting not allowed while atomic", first + 1), std::string::npos);
  Interpreter *inner = framework->interpreterAt(1);
  ASSERT_NE(inner, nullptr);
  EXPECT_TRUE(inner->isFinished());
  EXPECT_EQ(stack(inner), "['inner' 'afterWait' 'end']");
}

TEST_F(ScriptControlTest, ParseReadAndDeserialize) {
  Interpreter *parsed = spawn(L"p", L"\"1 2\" parse \"\" parse");
  std::string printed = captureOutput([&] { parsed->run(0, 0); });
  EXPECT_EQ(stack(parsed), "[{1 2} true \"Parse Failed: No code generated\" false]");
  Interpreter *broken = spawn(L"b", L"\"{ 1\" parse");
  printed = captureOutput([&] { broken->run(0, 0); });
  EXPECT_EQ(stack(broken), "[\"Parse Failed: No code generated\" false]");
  EXPECT_NE(printed.find("translation failed"), std::string::npos);

  TempFolder dir;
  std::string script = dir.write("defs.!", "answer: 42 def");
  String value = dir.wide("value.bin");
  ASSERT_TRUE(Serializer(value).write(Token(code(L"( a: 1 )"), false)));
  std::wstring text = L"\"" + std::wstring(String::fromUtf8(script.c_str()).c_str()) +
                      L"\" read answer \"" + value.c_str() + L"\" deserialize \"" +
                      dir.wide("missing.bin").c_str() + L"\" deserialize";
  Interpreter *reader = spawn(L"r", text.c_str());
  testing::internal::CaptureStderr();
  printed = captureOutput([&] {
    Diagnostics on;
    reader->run(0, 0);
  });
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(stack(reader), "[42 ['(' 'a' 1 )] <<ERROR>>]");
  EXPECT_NE(printed.find("builtin_deserialize: Unable to open value file: "), std::string::npos);

  Interpreter *unreadable = spawn(L"u", L"\"/nonexistent/x.!\" read");
  testing::internal::CaptureStderr();
  printed = captureOutput([&] {
    Diagnostics on;
    unreadable->run(0, 0);
  });
  testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("builtin_read: Unable to parse script: /nonexistent/x.!"),
            std::string::npos);
}

TEST_F(ScriptControlTest, ArgumentErrors) {
  Diagnostics on;
  struct Case {
    const wchar_t *text;
    const char *report;
  } cases[] = {
      {L"wait", "builtin_wait: stack underflow"},
      {L"'x' wait", "builtin_wait: Type-check failed.  Argument 'delay'"},
      {L"1 select", "builtin_select: stack underflow"},
      {L"a: b: \"s\" 1 sendMessage",
       "builtin_sendMessage: Type-check failed.  Argument 'messageId'"},
      {L"\"n\" m: 1 sendMessage",
       "builtin_sendMessage: Type-check failed.  Argument 'interpreterName'"},
      {L"1 spawn", "builtin_spawn: Type-check failed.  Argument 'script'"},
      {L"1 parse", "builtin_parse: Type-check failed.  Argument 'source'"},
      {L"1 read", "builtin_read: Type-check failed.  Argument 'scriptFile'"},
      {L"{ } 1 spawnNamed", "builtin_spawnNamed: Type-check failed.  Argument 'name'"},
      {L"1 haltAll", "builtin_haltAll: Type-check failed.  Argument 'managerName'"},
  };
  for (const Case &c : cases) {
    std::string printed = captureOutput([&] { spawn(L"e", c.text)->run(0, 0); });
    EXPECT_NE(printed.find(c.report), std::string::npos) << quiptest::utf8(c.text) << printed;
  }
}

} // namespace
