// Procedures entered more than once run by their compiled form, whose records
// take several tokens at a time and fall back to single tokens when the
// budget or the values do not allow the whole record. Whatever runs, every
// budgeted run must give what runs of single steps give: the same counts, one
// run after another, the same stack and the same reports.

#include "QuipTestSupport.h"

namespace {

using namespace quip;
using namespace quiptest;

Array code(const wchar_t *text) { return translate(String(text), String(L"test")); }

// Where two texts part, with a little of each from there (whole texts of
// counts would be too long to read).
std::string difference(const std::string &a, const std::string &b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i])
    ++i;
  if (i == a.size() && i == b.size())
    return "";
  size_t from = i > 20 ? i - 20 : 0;
  return "at " + std::to_string(i) + ": '" + a.substr(from, 60) + "' against '" +
         b.substr(from, 60) + "'";
}

struct Outcome {
  std::string counts;
  std::string stack;
  std::string printed;
};

// Runs a script to its end by runs of the budget, or by single steps.
template <typename Run> Outcome runAll(Interpreter *interpreter, Run run) {
  Outcome outcome;
  Diagnostics on;
  outcome.printed = captureOutput([&] {
    for (int runs = 0; !interpreter->isFinished() && runs < 100000; ++runs)
      outcome.counts += std::to_string(run(interpreter)) + ' ';
  });
  String out;
  Array &operands = interpreter->operands();
  for (uint32_t i = 0; i < operands.count(); ++i)
    out += operands[i].toString() + L" ";
  outcome.stack = utf8(out);
  return outcome;
}

TEST_F(ScriptTest, CompiledProceduresMatchSingleSteps) {
  const wchar_t *cases[] = {
      // Names with literals and ops, compare and branch, assignment.
      L"i: 0 def s: 0 def l: { i 10 < { s: s i + 3 * 7 modulus def s 2 - pop s 1 / pop "
      L"s 4 <= pop 9 i >= pop i 3 == pop i 3 != pop i: 1 += l } if } def l s i",
      // The common case fails: wrong types, a zero divisor, NaN.
      L"x: \"a\" def i: 0 def l: { i 4 < { x 1 + pop x 1 < pop i x + pop 5 x - pop "
      L"'q' 2 modulus pop i 0 modulus pop x 0 modulus pop 0 0 / 3 modulus pop "
      L"i: 1 += x: 1 += l } if } def l x",
      // Names bound anew while the loop runs: to a procedure, a string, a
      // builtin, and out of the top dictionary.
      L"f: 1 def i: 0 def l: { i 7 < { f i 2 == { f: { 7 } def } if "
      L"i 3 == { f: \"s\" def } if i 4 == { f: 'dup' load def } if "
      L"i 5 == { f: 2 def } if i: 1 += l } if } def l",
      // A loop that defines new names and opens dictionaries at every turn.
      L"i: 0 def l: { i 6 < { begin x: i def x 2 * y: 1 def end i: 1 += "
      L"i toString stringToSymbol i def l } if } def l",
      // Stack slots, copies and exchanges.
      L"0 0 i: 0 def l: { i 8 < { -1 index i + -1 swap putIndex 1 index 2 index * pop "
      L"dup swap pop 0 index pop i: 1 += l } if } def l 9 index 1 -9 putIndex",
      // Array elements read and written by names and literals.
      L"a: 5 array def i: 0 def l: { i 6 < { a i i 2 * put a i at pop a i 1 - at pop "
      L"a 0 at a 1.6 at + pop i: 1 += l } if } def l a",
      // Conditionals of every shape, a body that is no array, "return".
      L"i: 0 def l: { i 6 < { i 2 modulus 0 == { 'even' } { 'odd' } ifelse pop "
      L"i 3 > 5 if i 4 == { 'four' } if i: 1 += l } if } def l "
      L"r: { j 5 < { j: 1 += 1 return 2 } if } def j: 0 def m: { j 5 < { r m } if } def m",
      // A procedure that writes into itself, and one rewritten by "bind".
      L"n: 0 def b: { 1 2 pop pop b: load 0 99 put } def l: { n 4 < { b n: 1 += l } if } def l "
      L"x: 1 def f: { x } def i: 0 def g: { i 6 < { f pop i 3 == { f: load [ x: ] bind pop "
      L"x: 5 def } if i: 1 += g } if } def g f",
      // Undefined names, error tokens and atomic sections inside loops.
      L"i: 0 def l: { i 4 < { nowhere beginAtomic 1 2 + pop endAtomic i: 1 += l } if } def l",
      // Recursion deeper than the procedure stack allows.
      L"r: { 1 pop r 0 pop } def r",
      // One "def" storing under names that change from turn to turn, into a
      // dictionary opened and closed meanwhile, a new name, and a builtin.
      L"a: 0 def b: 0 def i: 0 def l: { i 6 < { i 2 modulus 0 == { a: } { b: } ifelse i def "
      L"i 3 == { begin } if c: i def i 4 == { end } if i 5 == { a: 'dup' load def } if "
      L"i 1 == { 7 9 def } if i: 1 += l } if } def l a b c",
      // The same for "+=" and "-=" of computed amounts, with names bound to
      // no number or to nothing.
      L"a: 0 def b: 0 def c: 0 def s: \"t\" def i: 0 def l: { i 6 < { i 2 modulus 0 == { a: } { b: "
      L"} "
      L"ifelse i 2 * += b: i -= c: i 3 * -= s: i += i 4 == { none: 1 1 + -= a: \"x\" def } if "
      L"i: 1 += l } if } def l a b c s",
      // Truths of every kind meeting a conditional, and met by none; operands
      // of other types.
      L"i: 0 def l: { i 5 < { i 2 modulus i 3 modulus == { 'e' } { 'n' } ifelse pop "
      L"\"a\" i toString != { 'd' } if i 2 > not { 's' } if i 1 > i 3 < and { 'm' } "
      L"{ 'o' } ifelse i 1 == 5 or { 'x' } if 1 i 2 * < { 'l' } if \"s\" 1 < pop "
      L"i 1 == not pop i i == i 'q' == and pop i: 1 += l } if } def l",
      // Ops of two names: numbers, comparisons meeting a conditional, a
      // procedure and a string among them.
      L"a: 3 def b: 4 def p: { 2 } def i: 0 def l: { i 6 < { a b + pop a b < { 'lt' } "
      L"{ 'ge' } ifelse pop a b >= { 'x' } if i b * pop a p - pop i 3 == { b: \"s\" def } if "
      L"a b / pop i b modulus pop b a > pop i: 1 += l } if } def l",
      // A fallback looked up, found, and the wrong types.
      L"d: ( ) def i: 0 def l: { i 4 < { d k: d k: 0 lookupElse 1 + insert "
      L"d j: 'none' lookupElse pop 5 k: 1 lookupElse pop d 3 9 lookupElse pop "
      L"i: 1 += l } if } def l d k: lookup",
      // An element at a name's index: in range, past the end, a fraction, a
      // procedure or a string where the array was.
      L"a: [1 2 3] def p: { 7 } def x: 1.5 def i: 0 def l: { i 5 < { a i at pop a x at pop "
      L"p i at pop i 3 == { a: \"str\" def } if a i at pop i: 1 += l } if } def l",
      // A number computed just before "def": stored straight into the top
      // dictionary, or not, when the name is elsewhere, holds a builtin or an
      // array, is no name, or is missing.
      L"a: 0 def p: { 1 } def q: 'dup' load def i: 0 def l: { i 6 < { a: a i + def "
      L"b: i 3 modulus def c: a i 2 * + 5 modulus def i 2 == { begin } if a: i 1 + def "
      L"i 3 == { end } if p: i 1 - def q: i 5 + def 7 i 1 + def i 5 == { clearstack i 1 + def } if "
      L"d: a 4 / def i: 1 += l } if } def l a b c d p q",
      // Operations chained on one computed number: literals, names, the value
      // below, remainders, comparisons and equality meeting a conditional or
      // not, "def", the body's end; every result stays on the stack.
      L"m: 4 def a: 0 def i: 0 def e: { i 2 * 1 + } def "
      L"l: { i 7 < { a: i 3 * 1 + 2 / def b: 10 i 2 * - 3 modulus def c: i 1 + m * 5 - def "
      L"i 2 * 3 + 7 < i 2 * 5 > { 'big' } if i 3 * 2 modulus 0 == { 'e' } { 'o' } ifelse "
      L"i 3 * 4 modulus 1 != i 3 * 4 modulus 2 == i 1 + m modulus m / 0 0 / i + 1 - "
      L"i 5 + 2 modulus 1 == { 'odd' } if i 5 + 2 modulus 1 != { 'even' } if e 9 i 1 + m - dup "
      L"i: 1 += l } if } def l a b c",
      // Remainders by literals of every kind, alone and in chains.
      L"i: 0 def l: { i 2 < { 7 3 modulus -7 3 modulus 7 -3 modulus 7.9 3 modulus "
      L"-2147483648 -1 modulus 99999999999 7 modulus 5 99999999999 modulus 0 0 / 3 modulus "
      L"i 7 - -3 modulus i 9 + 2.5 modulus i 1 - 1000000000 modulus i 5 - -1 modulus "
      L"i 3000000000 * 7 modulus i: 1 += l } if } def l",
      // Chains broken by a string, a zero divisor, a symbol below and a truth.
      L"z: 0 def s: \"t\" def i: 0 def l: { i 3 < { i 1 + s + pop 'q' i 1 + - pop "
      L"i 2 * z modulus pop i 1 + 0 modulus pop i 2 * 3 < 1 + pop i 1 + 0.5 modulus pop "
      L"i: 1 += l } if } def l",
      // A name's number, then a second number computed, taken together by
      // an op (arithmetic, a comparison alone or meeting a conditional), by
      // "def", or by neither; broken by a name that is not a number.
      L"s: 0 def a: 2 def b: 3 def z: 0 def i: 0 def l: { i 6 < { d: i 7 * def "
      L"s: s d 10 modulus + def t: s d 10 modulus - 10 / def u: a b i * + def "
      L"a i b * - 3 < { 'lt' } { 'ge' } ifelse a b i * < a d 3 + pop b i 4 - * "
      L"a b i * pop a d 3 < a d 3 modulus dup a i 1 + z * / a b i + + + "
      L"e: d def i 3 == { d: 'x' def } if s d 10 modulus + pop s d 3 * pop "
      L"s a d * - pop a b i - + a i b / - b i: 1 += l } if } def l s t u e",
      // The same at every depth of the stack, up to and past where it grows,
      // with both numbers going on it (the op after them takes neither).
      L"a: 2 def b: 3 def i: 0 def l: { i 50 < { a b i * pop a i 3 * pop a i 7 modulus pop "
      L"a b i * + pop i: 1 += l } if } def l",
      // Copies by "dup" and "index" going along a chain, or not (a string, a
      // symbol; a remainder of a string, by zero).
      L"i: 0 def l: { i 6 < { i dup 0 == { 'z' } if i dup 2 * + 5 1 index modulus "
      L"7 i 1 index 1 + modulus \"s\" dup pop 'q' 2 index pop 3 0 1 index modulus pop "
      L"5 'w' 1 index modulus pop 'v' 0 index pop i 1 - 0 index 3 modulus dup 4 < "
      L"{ 'small' } { 'big' } ifelse i 2 + 3 1 index modulus modulus i 7 1 index max i 2 1 index "
      L"min "
      L"i: 1 += l } if } def l",
      // Tail calls through names, deep recursion and strings.
      L"fib: { dup 2 < { } { dup 1 - fib swap 2 - fib + } ifelse } def 12 fib "
      L"s: \"\" def i: 0 def l: { i 5 < { s: s i toString concat def i: 1 += l } if } def l s",
  };
  for (const wchar_t *text : cases) {
    for (unsigned int budget : {1u, 2u, 3u, 4u, 5u, 7u, 11u, 20u, 1000u}) {
      Outcome stepped = runAll(manager.spawn(code(text)),
                               [&](Interpreter *in) { return runBySteps(in, budget); });
      Outcome budgeted =
          runAll(manager.spawn(code(text)), [&](Interpreter *in) { return in->run(budget, 0); });
      std::string where = "budget " + std::to_string(budget) + ": " + utf8(text);
      EXPECT_EQ(difference(budgeted.counts, stepped.counts), "") << where;
      EXPECT_EQ(difference(budgeted.stack, stepped.stack), "") << where;
      EXPECT_EQ(difference(budgeted.printed, stepped.printed), "") << where;
    }
    manager.removeFinished();
  }
}

// One procedure run by two interpreters in turn: each resolves its names in
// its own dictionaries, so the compiled form of one must not serve the other.
TEST_F(ScriptTest, SharedProcedureRunsInTurns) {
  Array walk = code(L"i 30 < { s: s i + step * def i: 1 += walk } if");
  walk.append(Token()); // a trailing error token: reported, then the frame ends
  manager.globals().set(Symbol::intern(L"walk"), Token(walk, true));
  auto runPair = [&](bool budgeted) {
    Interpreter *a = manager.spawn(code(L"step: 1 def i: 0 def s: 0 def walk s"));
    Interpreter *b = manager.spawn(code(L"step: 3 def i: 0 def s: 0 def walk s"));
    std::string counts;
    Diagnostics on;
    std::string printed = captureOutput([&] {
      while (!a->isFinished() || !b->isFinished())
        for (Interpreter *in : {a, b})
          if (!in->isFinished())
            counts += std::to_string(budgeted ? in->run(3, 0) : runBySteps(in, 3)) + ' ';
    });
    return counts + "| " + stack(a) + " | " + stack(b) + " | " + printed;
  };
  std::string stepped = runPair(false);
  EXPECT_EQ(runPair(true), stepped);
  EXPECT_NE(stepped.find("435"), std::string::npos); // 3 * (0 + ... + 29)
}

} // namespace
