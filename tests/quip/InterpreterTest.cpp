#include "QuipTestSupport.h"

using namespace quip;
using quiptest::captureOutput;
using quiptest::Diagnostics;
using quiptest::ScriptTest;

namespace {

Array code(const wchar_t *text) { return translate(String(text), String(L"test")); }

TEST_F(ScriptTest, RunCountsStepsAndFinishing) {
  Interpreter *five = manager.spawn(code(L"1 2 3 4 5"));
  EXPECT_EQ(five->run(20, 0), 7u);
  EXPECT_EQ(five->state(), Interpreter::FINISHED);
  EXPECT_EQ(five->stackSize(), 5u);

  std::wstring thirty;
  for (int i = 0; i < 30; ++i)
    thirty += L"1 ";
  Interpreter *longer = manager.spawn(code(thirty.c_str()));
  EXPECT_EQ(longer->run(20, 0), 20u);
  EXPECT_EQ(longer->stackSize(), 20u);
  EXPECT_EQ(longer->state(), Interpreter::RUNNING);
}

TEST_F(ScriptTest, AtomicSectionCompletesInOneRun) {
  std::wstring text = L"beginAtomic ";
  for (int i = 0; i < 100; ++i)
    text += L"1 ";
  text += L"endAtomic";
  for (int i = 0; i < 30; ++i)
    text += L" 2";
  registerBuiltin(manager.builtins(), L"beginAtomic",
                  [](Interpreter *i, int *) { i->beginAtomic(); });
  registerBuiltin(manager.builtins(), L"endAtomic", [](Interpreter *i, int *) { i->endAtomic(); });
  Interpreter *interpreter = manager.spawn(code(text.c_str()));
  EXPECT_EQ(interpreter->run(20, 0), 20u);
  // One counted step for beginAtomic, the section uncounted, then 19 more.
  EXPECT_EQ(interpreter->stackSize(), 119u);
  EXPECT_EQ(interpreter->state(), Interpreter::RUNNING);
}

// A procedure whose last token calls itself runs in constant procedure depth.
int g_ticks = 0;
uint32_t g_deepest = 0;

TEST_F(ScriptTest, TailCallsDoNotGrowTheProcedureStack) {
  g_ticks = 0;
  g_deepest = 0;
  registerBuiltin(manager.builtins(), L"tick", [](Interpreter *i, int *) {
    if (i->procedureDepth() > g_deepest)
      g_deepest = i->procedureDepth();
    if (++g_ticks == 100000)
      i->finish();
  });
  manager.globals().set(Symbol::intern(L"loop"), Token(code(L"tick loop"), true));
  Interpreter *interpreter = manager.spawn(code(L"loop"));
  interpreter->run(0, 0);
  EXPECT_EQ(g_ticks, 100000);
  EXPECT_LE(g_deepest, 1u);
  EXPECT_TRUE(interpreter->isFinished());
}

TEST_F(ScriptTest, NameLookupOrderAndExecution) {
  manager.globals().set(Symbol::intern(L"value"), Token(1.0f));
  manager.globals().set(Symbol::intern(L"proc"), Token(code(L"2 3"), true));
  manager.globals().set(Symbol::intern(L"data"), Token(code(L"4 5"), false));
  manager.globals().set(Symbol::intern(L"pop"), Token(L"hidden"));
  EXPECT_EQ(eval(L"value proc data pop"), "1 2 3 [4 5] \"hidden\"");
}

TEST_F(ScriptTest, ErrorReports) {
  EXPECT_EQ(output(L"nothing"), "error: undefined symbol: nothing\n");
  EXPECT_EQ(eval(L"nothing"), "");
  {
    Diagnostics on;
    EXPECT_EQ(eval(L"nothing 1"), "nothing 1");
  }
  Interpreter *interpreter = manager.spawn(Array(0));
  Diagnostics on;
  std::string printed = captureOutput([&] {
    Token out(L"kept");
    interpreter->pop(out);
    EXPECT_EQ(out, Token(L"kept"));
    EXPECT_EQ(interpreter->peek(0), nullptr);
  });
  EXPECT_EQ(printed, "\n\nScriptManager: test\nInterpreter: \n\nstack underflow\n"
                     "\n\nScriptManager: test\nInterpreter: \n\nstack index out of bounds\n");
  // Diagnostics off: nothing is printed.
  quip::setDiagnostics(false);
  EXPECT_EQ(captureOutput([&] { interpreter->pop(); }), "");
}

TEST_F(ScriptTest, ProtectedDictionaries) {
  Interpreter *interpreter = manager.spawn(Array(0));
  EXPECT_EQ(interpreter->dictionaryDepth(), 3u);
  EXPECT_TRUE(interpreter->popDictionary());
  Diagnostics on;
  std::string printed = captureOutput([&] { EXPECT_FALSE(interpreter->popDictionary()); });
  EXPECT_NE(printed.find("attempt to expose protected dictionary"), std::string::npos);
  EXPECT_EQ(interpreter->dictionaryDepth(), 2u);
}

class WaitTest : public ScriptTest {
protected:
  Interpreter *waiting(float seconds, const Dictionary &handlers) {
    Interpreter *interpreter = manager.spawn(code(L"'after'"));
    interpreter->waitForMessages(seconds, handlers);
    return interpreter;
  }
  static Token handler(const wchar_t *text) { return Token(code(text), true); }
};

TEST_F(WaitTest, NewestMessageWithAHandlerWins) {
  Dictionary handlers;
  handlers.set(Symbol::intern(L"A"), handler(L"'ranA'"));
  handlers.set(Symbol::intern(L"B"), handler(L"'ranB'"));
  Interpreter *interpreter = waiting(10, handlers);
  interpreter->postMessage(Symbol::intern(L"A"), Token(1.0f));
  interpreter->postMessage(Symbol::intern(L"B"), Token(2.0f));
  interpreter->run(0, 0.1f);
  EXPECT_EQ(stack(interpreter), "'B' 2 'ranB' 'after'");
  ASSERT_EQ(interpreter->messageWait().queuedCount(), 1u);
  EXPECT_EQ(interpreter->messageWait().queuedName(0), Symbol::intern(L"A"));
}

TEST_F(WaitTest, OtherwiseTakesTheNewest) {
  Dictionary handlers;
  handlers.set(Symbol::intern(L"otherwise"), handler(L"'other'"));
  Interpreter *interpreter = waiting(10, handlers);
  interpreter->postMessage(Symbol::intern(L"X"), Token(1.0f));
  interpreter->postMessage(Symbol::intern(L"Y"), Token(2.0f));
  interpreter->run(0, 0.1f);
  EXPECT_EQ(stack(interpreter), "'Y' 2 'other' 'after'");
}

TEST_F(WaitTest, TimeoutAfterTheCountdown) {
  Dictionary handlers;
  handlers.set(Symbol::intern(L"timeout"), handler(L"'timedOut'"));
  Interpreter *interpreter = waiting(1, handlers);
  EXPECT_EQ(interpreter->run(20, 0.4f), 0u);
  EXPECT_EQ(interpreter->run(20, 0.4f), 0u);
  EXPECT_EQ(interpreter->state(), Interpreter::WAITING);
  interpreter->run(20, 0.4f);
  EXPECT_EQ(stack(interpreter), "'timeout' 0 'timedOut' 'after'");

  // A plain wait ignores queued messages and leaves them queued.
  Interpreter *plain = manager.spawn(code(L"1"));
  plain->postMessage(Symbol::intern(L"M"), Token(1.0f));
  plain->wait(0);
  plain->run(0, 0.1f);
  EXPECT_EQ(stack(plain), "1");
  EXPECT_EQ(plain->messageWait().queuedCount(), 1u);
}

TEST_F(WaitTest, WaitingWhileAtomicIsRefused) {
  Interpreter *interpreter = manager.spawn(code(L"1"));
  interpreter->beginAtomic();
  Diagnostics on;
  std::string printed = captureOutput([&] {
    interpreter->wait(5);
    interpreter->waitForMessages(5, Dictionary());
  });
  EXPECT_EQ(interpreter->state(), Interpreter::ATOMIC);
  size_t first = printed.find("Waiting not allowed while atomic");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(printed.find("Waiting not allowed while atomic", first + 1), std::string::npos);
}

TEST_F(WaitTest, RunToCompletionAlwaysEnds) {
  // A wait begun before the run to completion is ended at once.
  Interpreter *interpreter = waiting(100, Dictionary());
  EXPECT_EQ(interpreter->runToCompletion(), Interpreter::FINISHED);
  EXPECT_EQ(stack(interpreter), "'after'");
  // A script that leaves the atomic section and then waits ends too.
  registerBuiltin(manager.builtins(), L"endAtomic", [](Interpreter *i, int *) { i->endAtomic(); });
  registerBuiltin(manager.builtins(), L"wait", [](Interpreter *i, int *) { i->wait(100); });
  Interpreter *leaving = manager.spawn(code(L"endAtomic wait 2"));
  EXPECT_EQ(leaving->runToCompletion(), Interpreter::FINISHED);
  EXPECT_EQ(stack(leaving), "2");
}

} // namespace

namespace {

// A builtin that empties the procedure running it: the interpreter ends that
// procedure instead of reading past its end.
TEST_F(ScriptTest, ProcedureCutShortWhileRunning) {
  registerBuiltin(manager.builtins(), L"cut",
                  [](Interpreter *i, int *) { i->topProcedure()->procedure.reserve(0); });
  EXPECT_EQ(eval(L"f: { cut 1 2 3 } def f 'after'"), "'after'");
}

} // namespace

namespace {

// Builtins that change the procedure running them: the step after sees the
// change, whether the body is rewritten in place or grown into a new block.
TEST_F(ScriptTest, RunningProcedureChangedInPlace) {
  registerBuiltin(manager.builtins(), L"patch", [](Interpreter *i, int *) {
    ProcedureFrame *frame = i->topProcedure();
    frame->procedure.set(Token(5.0f), frame->position);
  });
  registerBuiltin(manager.builtins(), L"grow", [](Interpreter *i, int *) {
    Array &body = i->topProcedure()->procedure;
    for (int n = 0; n < 40; ++n)
      body.append(Token(7.0f));
  });
  EXPECT_EQ(eval(L"f: { patch 1 2 } def f f"), "5 2 5 2");
  std::string grown = "1";
  for (int n = 0; n < 40; ++n)
    grown += " 7";
  EXPECT_EQ(eval(L"g: { grow 1 } def g"), grown);
}

} // namespace

namespace {

// The budgeted loop keeps the frame position, the operand count and the
// remembered builtins in locals; stepping one token at a time does not. For
// every budget, runs must give the same results, one after another, as runs
// made of single steps by the rule (atomic steps uncounted, the budget ends a
// run with its own value, waiting or finishing with the count plus one), and
// leave the same stack.
TEST_F(ScriptTest, BudgetedRunsMatchSingleSteps) {
  const wchar_t *text =
      L"fib: { dup 2 < { } { dup 1 - fib swap 2 - fib + } ifelse } def "
      L"i: 0 def s: \"\" def d: ( ) def "
      L"loop: { i 12 < { i: 1 += d i toString stringToSymbol i fib insert "
      L"  s: s i toString concat def i 3 > { 'big' } { 'small' } ifelse pop loop } if } def "
      L"loop beginAtomic 2 3 * 4 - 8 / 1 + endAtomic "
      L"begin +: { pop pop 'shadowed' } def 1 2 + end 1 2 + "
      L"s d '3' lookup 9 10 swap dup >= 1 2 <= 7 -= "
      // Number literals taken by the operator after them, one ending a procedure.
      L"m: { 17 5 modulus 0 index 2 == 1 index 3 != 2 index 2 * 4 - } def m m ( ) 0 == "
      L"k: 0 def n: { k: 1 += k: 3 -= k k: 10 def } def n n k ";
  for (unsigned int budget : {1u, 2u, 3u, 5u, 7u, 20u, 1000u}) {
    Interpreter *reference = manager.spawn(code(text));
    Interpreter *budgeted = manager.spawn(code(text));
    std::string expected, got;
    while (!reference->isFinished())
      expected += std::to_string(quiptest::runBySteps(reference, budget)) + ' ';
    while (!budgeted->isFinished())
      got += std::to_string(budgeted->run(budget, 0)) + ' ';
    EXPECT_EQ(got, expected) << "budget " << budget;
    EXPECT_EQ(stack(budgeted), stack(reference)) << "budget " << budget;
  }
  Interpreter *once = manager.spawn(code(text));
  once->run(0, 0);
  EXPECT_EQ(stack(once), "1.25 'shadowed' 3 \"123456789101112\" 2 10 'true' "
                         "2 true true 0 2 true true 0 false -2 8 10");
}

} // namespace
