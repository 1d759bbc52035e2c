#include "QuipTestSupport.h"

using namespace quip;
using quiptest::ScriptTest;

namespace {

TEST_F(ScriptTest, ControlFlow) {
  struct Case {
    const wchar_t *text;
    const char *stack;
  } cases[] = {
      {L"1 1 == 1 2 == \"a\" \"a\" == \"a\" a: == 'a' a: ==", "true false true false true"},
      {L"[ 1 ] [ 1 ] == [ ] dup == ( ) dup !=", "false true false"},
      {L"1 2 != false: not 0 not", "true true false"},
      {L"true: false: and 1 0 and false: false: or 0 false: or", "false true false true"},
      {L"0 { 'ran' } if false: { 'ran' } if 'after'", "'ran' 'after'"},
      {L"\"\" { 1 } { 2 } ifelse false: { 1 } { 2 } ifelse", "1 2"},
      {L"false { 1 } { 2 } ifelse", "2"},
      // A body taken by if or ifelse leaves the stored procedure whole.
      {L"b: { 1 } def t: { true b: load if } def t t b: load", "1 1 {1}"},
      {L"p: { 2 } def q: { 3 } def 0 p: load q: load ifelse false p: load q: load ifelse p: load",
       "2 3 {2}"},
      {L"true { } if false { } { } ifelse 'e'", "'e'"},
      {L"b: ( a: { 1 } b: { 2 } default: { 3 } ) switch", "2"},
      {L"c: ( a: { 1 } default: { 3 } ) switch", "3"},
      {L"c: ( a: { 1 } ) switch 'nothing'", "'nothing'"},
      {L"a: ( a: 5 ) switch 'notRun'", "'notRun'"},
      {L"{ 1 2 } eval [ 3 ] eval x: 4 def x: eval 'y' eval \"s\" eval", "1 2 3 4 y \"s\""},
      {L"x: 1 def x x: 2 def x", "1 2"},
      {L"x: 7 def x: load", "7"},
      {L"f: { 1 2 } def f: load", "{1 2}"},
      {L"n: 10 def n: 5 += n n: 3 -= n n: 2 *= n n: 4 /= n", "15 12 24 6"},
      {L"n: 1 def n: 0 /= n", "inf"},
      {L"'a' 'b' 'c' -1 index 0 index", "'a' 'b' 'c' 'a' 'a'"},
      {L"'a' 'b' 'c' 2.5 index 1.5 index 2.6 index", "'a' 'b' 'c' 'a' 'c' 'b'"},
      {L"'a' 'b' 'c' 0 'z' putIndex -1 'y' putIndex", "'y' 'b' 'z'"},
      {L"begin x: 1 def end x", "x"},
      {L"f: { 1 return 2 } def f 3", "1 3"},
  };
  quiptest::Diagnostics on;
  for (const Case &c : cases) {
    std::string stackText;
    testing::internal::CaptureStdout();
    stackText = eval(c.text);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(stackText, c.stack) << quiptest::utf8(c.text);
  }
}

TEST_F(ScriptTest, ReturnAtTheEndOfAnIfBodyEndsTheCaller) {
  // The if body's frame is gone when its last token runs: return takes the
  // procedure that ran the if, so 'after' never comes.
  EXPECT_EQ(eval(L"f: { 1 { 'inIf' return } if 'after' } def f 'caller'"), "'inIf' 'caller'");
}

TEST_F(ScriptTest, ProceduresThatCallThemselvesInLastPosition) {
  EXPECT_EQ(eval(L"n: 0 def loop: { n: 1 += n 100000 < { loop } if } def loop n"), "100000");
}

TEST_F(ScriptTest, Bind) {
  EXPECT_EQ(eval(L"x: 5 def { x x: { x } [ x ] } [ x: ] bind"), "{5 'x' {5} '[' 5 ]}");
  // Walks each body once, even when a procedure is bound into itself.
  Interpreter *selfBound = start(L"f: { f 1 } def f: load [ f: ] bind");
  ASSERT_EQ(selfBound->stackSize(), 1u);
  Token &bound = selfBound->operands()[0];
  ASSERT_TRUE(bound.isProcedure());
  EXPECT_TRUE(bound.array()[0].array().sameBody(bound.array()));
  // The body now holds itself; let go of that reference so it can be freed.
  bound.array()[0].release();
  // The body is shared: the stored procedure changed too.
  EXPECT_EQ(eval(L"y: 2 def g: { y } def g: load [ y: ] bind pop g: load"), "{2}");
}

TEST_F(ScriptTest, ControlFlowErrors) {
  struct Case {
    const wchar_t *text;
    const char *report;
    const char *stack;
  } cases[] = {
      {L"1 ==", "builtin_eq: stack underflow", ""},
      {L"1 2 if",
       "builtin_if: Type-check failed.  Argument 'trueBody'\n(2)\nis type 'number', "
       "should be type 'array'.",
       "1"},
      {L"{ } 1 ifelse",
       "builtin_ifelse: Type-check failed.  Argument 'falseBody'\n(1)\nis type 'number', should "
       "be type 'array'.",
       "{}"},
      {L"\"v\" ( ) switch",
       "builtin_switch: Type-check failed.  Argument 'value'\n(\"v\")\nis type 'string', should "
       "be type 'symbol'.",
       ""},
      {L"5 def", "builtin_def: stack underflow", ""},
      {L"\"n\" 5 def",
       "builtin_def: Type-check failed.  Argument 'name'\n(\"n\")\nis type 'string', should be "
       "type 'symbol'.",
       ""},
      {L"end end", "attempt to expose protected dictionary", ""},
      {L"nope: load", "undefined symbol: nope", ""},
      {L"[ 1 2 ] [ x: ] bind", "builtin_bind: cannot bind a non-executable array", ""},
      {L"{ 1 } [ 1 ] bind", "builtin_bind: non-symbol found in binding set: 1", ""},
      {L"{ 1 } [ zz: ] bind", "builtin_bind: undefined variable to bind: 'zz'", ""},
      {L"q: 1 +=", "undefined symbol: q", ""},
      {L"q: \"s\" +=",
       "builtin_plusEquals: Type-check failed.  Argument 'number'\n(\"s\")\nis type 'string', "
       "should be type 'number'.",
       "'q'"},
      {L"1 2 5 index", "builtin_index: index out of bounds", "1 2"},
      {L"1 2 -3 index", "builtin_index: index out of bounds", "1 2"},
      {L"1 3 'v' putIndex", "builtin_putIndex: index out of bounds", "1"},
  };
  for (const Case &c : cases) {
    std::string printed = output(c.text);
    EXPECT_NE(printed.find(c.report), std::string::npos) << quiptest::utf8(c.text) << "\n"
                                                         << printed;
    EXPECT_EQ(eval(c.text), c.stack) << quiptest::utf8(c.text);
  }
  EXPECT_NE(output(L"nope: load").find("builtin_load: LOAD FAILED"), std::string::npos);
  // A return with nothing to end reports and the script goes on.
  Interpreter *interpreter = manager.spawn(Array(0));
  quiptest::Diagnostics on;
  std::string printed = quiptest::captureOutput([&] {
    int error = 0;
    Token *found = manager.builtins().lookup(Symbol::intern(L"return"));
    found->builtin()(interpreter, &error);
    EXPECT_EQ(error, 1);
  });
  EXPECT_NE(printed.find("builtin_return: procedure stack underflow"), std::string::npos);
}

TEST_F(ScriptTest, DefIntoFrozenDictionariesFallsThrough) {
  Interpreter *interpreter =
      manager.spawn(translate(String(L"known: 2 def fresh: 3 def fresh"), String(L"t")));
  Dictionary frozen;
  frozen.set(Symbol::intern(L"known"), Token(1.0f));
  frozen.freeze();
  interpreter->pushDictionary(frozen);
  interpreter->run(0, 0);
  EXPECT_EQ(*frozen.lookup(Symbol::intern(L"known")), Token(2.0f));
  EXPECT_EQ(frozen.lookup(Symbol::intern(L"fresh")), nullptr);
  // The local dictionary below took the new name.
  EXPECT_EQ(stack(interpreter), "3");
}

} // namespace
