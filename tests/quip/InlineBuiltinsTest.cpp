// The step loop runs the common case of many builtins itself. Every case,
// common or not, must leave what the builtin function leaves: the same stack
// and the same reports.

#include "quip/InlineBuiltins.h"
#include "QuipTestSupport.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <random>
#include <vector>

namespace {

using namespace quip;
using namespace quiptest;

// Stack and reports of a script run to its end by a new manager.
std::string runInNewManager(const wchar_t *text) {
  ScriptManager manager(Symbol::intern(L"inline"));
  Diagnostics on;
  Interpreter *interpreter = nullptr;
  std::string printed = captureOutput([&] {
    interpreter =
        manager.spawn(Symbol::intern(L"script"), translate(String(text), String(L"test")));
    interpreter->run(0, 0);
  });
  String out;
  Array &operands = interpreter->operands();
  for (uint32_t i = 0; i < operands.count(); ++i)
    out += operands[i].toString() + L" ";
  return utf8(out) + "| " + printed;
}

// Managers made while no op is named bind builtins that always run as calls.
std::string runWithoutInlineOps(const wchar_t *text) {
  for (int op = INLINE_NONE + 1; op < INLINE_COUNT; ++op)
    setInlineBuiltin(InlineOp(op), nullptr);
  std::string result = runInNewManager(text);
  registerInlineBuiltins();
  return result;
}

TEST(InlineBuiltins, EveryCaseLeavesWhatTheBuiltinLeaves) {
  const wchar_t *cases[] = {
      // equality and logic
      L"1 1 == 1 2 == \"a\" \"a\" == \"a\" 'a' == [1] dup == [1] [1] == ( ) dup != 0 0 / dup ==",
      L"1 ==",
      L"false: not 1 not 'true' 'false' and 1 false: or false: false: or and",
      // numbers
      L"7 3 modulus -7 3 modulus 7 -3 modulus 7.9 3 modulus -2147483648 -1 modulus 5 1000000000 "
      L"modulus",
      L"7 0.5 modulus",
      L"0 0 / 3 modulus",
      L"\"a\" 3 modulus",
      L"5 5 min 1 2 max 0 neg -0 abs -3 abs 1 0 0 / min",
      L"\"s\" neg",
      L"x: 2 def x: 3 *= x: 4 /= x x: 0 /= x",
      L"y: \"s\" def y: 2 *= y",
      L"nowhere: 2 *=",
      // stack slots
      L"1 2 3 0 index 1 2 3 -1 index 1 2 3 2.5 index 2.6 index",
      L"1 2 3 5 index",
      L"1 2 3 -4 index",
      L"1 'a' index",
      L"1 2 3 0 9 putIndex -1 \"s\" putIndex",
      L"1 2 3 7 9 putIndex",
      L"1 2 3 -4 9 putIndex",
      // definitions
      L"a: 1 def a: 2 def a a: \"t\" def a a: [ 1 ] def a",
      L"b: { 3 } def b b: 4 def b",
      L"c: 1 def c: 'pop' load def 5 6 c",
      L"5 def",
      L"7 8 def",
      // array elements
      L"[1 2 3] 1 at [1 2 3] 1.7 at [1 2 3] -1 at [[1 2]] 0 at 0 at",
      L"[1 2 3] 3 at",
      L"\"x\" 0 at",
      L"[1 2] 'a' at",
      L"[1 2 3] dup 1 9 put [1 2 3] dup 1.5 9 put [1 2 3] dup 2.5 \"s\" put [9] dup 0 [8] put",
      L"[1 2 3] dup 3 9 put",
      L"[1 2 3] dup -1 9 put",
      L"3 array dup 0 at",
      L"[1 2] size [ ] size",
      L"\"ab\" size",
      // dictionaries and strings
      L"d: ( a: 1 ) def d a: lookup d b: lookup d a: 5 insert d a: lookup d c: 7 insert d c: "
      L"lookup",
      L"\"x\" a: lookup",
      L"( ) \"a\" lookup",
      L"( a: 1 ) a: 'pop' load insert",
      L"\"hello\" stringLength \"\" stringLength",
      L"5 stringLength",
  };
  for (const wchar_t *text : cases)
    EXPECT_EQ(runInNewManager(text), runWithoutInlineOps(text)) << utf8(String(text));
}

// A remainder is worked out in floating point (by a division, or for a
// literal divisor a multiply); it must give, bit for bit, what division on
// ints gives, for every dividend (whole, fractional, at and around multiples
// of the divisor, at the edge of exact floats, negative zero, beyond int
// range, not a number) and divisor.
TEST(InlineBuiltins, RemaindersInFloatingPointAreThoseOnInts) {
  const float divisors[] = {1,   2,    3,        7,          10,      997,  65521,    -3,
                            -10, -997, 8388607,  -8388607,   8388608, 2.5f, 0.5f,     -1,
                            0,   1e10, -4194305, 4194304.5f, 1.0e-3f, NAN,  INFINITY, -INFINITY};
  std::vector<float> dividends = {-0.0f,   0.5f,    -0.5f,      7.9f,     -7.9f,     8388607,
                                  8388608, 8388609, -8388607,   -8388608, 16777215,  16777216,
                                  3e9f,    -3e9f,   2147483520, INFINITY, -INFINITY, NAN,
                                  4194303, 4194304, 4194305,    -4194303, -4194304,  -4194305};
  for (int i = -3000; i <= 3000; ++i)
    dividends.push_back(float(i));
  for (float r : divisors)
    for (int k = -40; k <= 40; ++k)
      for (float offset : {-1.0f, 0.0f, 1.0f}) {
        // Multiples spread over the whole exact range, and their neighbours.
        float multiple = std::nearbyint(std::fabs(r) < 1 ? 1 : r) * float(k) * 51721.0f;
        dividends.push_back(std::fmod(multiple, 8388608.0f) + offset);
        dividends.push_back(std::nearbyint(r) * float(k) + offset);
      }
  std::vector<float> allDivisors(std::begin(divisors), std::end(divisors));
  // And whole numbers of every size below 2^23 in both places, drawn at
  // random (a fixed seed): the quotients nearest to rounding up.
  std::mt19937 random(44);
  for (int i = 0; i < 60; ++i) {
    int bits = 1 + int(random() % 23);
    float r = float(int(random() % (1u << bits)) + 1) * (random() % 2 ? 1.0f : -1.0f);
    allDivisors.push_back(r);
    dividends.push_back(float(int(random() % 8388607)) * (random() % 2 ? 1.0f : -1.0f));
  }
  for (float r : allDivisors) {
    float inverse = inlined::literalInverse(r);
    for (float l : dividends) {
      float onInts = 0, general = 0, byLiteral = 0;
      bool found = inlined::wholeRemainder(l, r, onInts);
      ASSERT_EQ(inlined::remainderOf(l, r, general), found) << l << " % " << r;
      ASSERT_EQ(inlined::remainderBy(l, inverse, r, byLiteral), found) << l << " % " << r;
      if (found) {
        ASSERT_EQ(std::memcmp(&onInts, &general, sizeof onInts), 0)
            << l << " % " << r << ": " << onInts << " against " << general;
        ASSERT_EQ(std::memcmp(&onInts, &byLiteral, sizeof onInts), 0)
            << l << " % " << r << ": " << onInts << " against " << byLiteral;
      }
    }
  }
}

} // namespace
