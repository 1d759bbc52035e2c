#include "QuipTestSupport.h"

using namespace quip;
using quiptest::captureOutput;
using quiptest::ScriptTest;

namespace {

TEST_F(ScriptTest, StackBuiltins) {
  struct Case {
    const wchar_t *text;
    const char *stack;
  } cases[] = {
      {L"1 2 pop", "1"},
      {L"'a' dup", "'a' 'a'"},
      {L"1 2 swap", "2 1"},
      {L"1 2 3 clearstack", ""},
      {L"count", "0"},
      {L"1 2 3 count", "1 2 3 3"},
      {L"1 type", "number"},
      {L"1 type type", "symbol"},
      {L"\"s\" type 'x' type [ type { } type", "string symbol symbol array"},
      {L"'x' executableMode { 1 } literalMode x: literalMode", "x [1] 'x'"},
      {L"empty type", "symbol"},
      {L"break", ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(eval(c.text), c.stack) << quiptest::utf8(c.text);
}

TEST_F(ScriptTest, DupCopiesByOwnership) {
  Interpreter *interpreter = start(L"\"s\" dup { 1 } dup");
  Array &stack = interpreter->operands();
  ASSERT_EQ(stack.count(), 4u);
  stack[0].string().append(L'!');
  EXPECT_EQ(stack[1], Token(L"s"));
  stack[2].array().append(Token(2.0f));
  EXPECT_EQ(stack[3].array().count(), 2u);
}

TEST_F(ScriptTest, StackBuiltinErrors) {
  struct Case {
    const wchar_t *text;
    const char *report;
    const char *stack;
  } cases[] = {
      {L"pop", "builtin_pop: stack underflow", ""},
      {L"dup", "builtin_dup: stack underflow", ""},
      {L"1 swap", "builtin_swap: Too few arguments.", "1"},
      {L"type", "builtin_type: stack underflow", ""},
      {L"literalMode", "builtin_literalMode: stack underflow", ""},
      {L"executableMode", "builtin_executableMode: stack underflow", ""},
      {L"print", "builtin_print: stack underflow", ""},
      {L"println", "builtin_println: stack underflow", ""},
  };
  for (const Case &c : cases) {
    std::string expected =
        std::string("\n\nScriptManager: test\nInterpreter: script\n\n") + c.report + "\n";
    EXPECT_EQ(output(c.text), expected);
    EXPECT_EQ(eval(c.text), c.stack);
  }
}

TEST_F(ScriptTest, OutputBuiltins) {
  EXPECT_EQ(captureOutput([&] { start(L"\"hello\" println 3 print 'x' print"); }),
            "\"hello\"\n3'x'");
  EXPECT_EQ(captureOutput([&] { start(L"dump"); }), "");
  EXPECT_EQ(captureOutput([&] { start(L"1 \"two\" dump"); }), "\"two\"\n1\n");
  EXPECT_EQ(eval(L"1 \"two\" dump"), "1 \"two\"");
}

TEST(BuiltinTable, RegistersAndRemovesEveryName) {
  ASSERT_EQ(builtinCount(), 134u);
  Dictionary d;
  Symbol mine = Symbol::intern(L"mine");
  d.set(mine, Token(1.0f));
  registerBuiltins(d, false);
  registerBuiltins(d, false);
  EXPECT_EQ(d.count(), 135u);
  for (uint32_t i = 0; i < builtinCount(); ++i) {
    Token *found = d.lookup(Symbol::intern(builtinName(i)));
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(found->isBuiltin() && found->isExecutable());
  }
  EXPECT_EQ(String(builtinName(0)), String(L"pop"));
  EXPECT_EQ(String(builtinName(133)), String(L"emailBodyFilter"));
  registerBuiltins(d, true);
  EXPECT_EQ(d.count(), 1u);
  EXPECT_NE(d.lookup(mine), nullptr);
}

TEST_F(ScriptTest, ManagersStartWithTheBuiltins) { EXPECT_EQ(manager.builtins().count(), 134u); }

} // namespace
