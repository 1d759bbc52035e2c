#include "BuiltinCases.h"

#include <cmath>

using namespace quiptest;

namespace {

class NumberBuiltins : public BuiltinTest {};

TEST_F(NumberBuiltins, ArithmeticAndComparisons) {
  const BuiltinCase cases[] = {
      {L"7 2 +", "9", ""},
      {L"7 2 -", "5", ""},
      {L"7 2 *", "14", ""},
      {L"7 2 /", "3.5", ""},
      {L"1 0 /", "inf", ""},
      {L"5 3 min 3 5 min", "3 3", ""},
      {L"5 3 max 3 5 max", "5 5", ""},
      {L"3 neg -2.5 abs", "-3 2.5", ""},
      {L"1 2 < 2 1 < 2 2 <", "'true' 'false' 'false'", ""},
      {L"2 1 > 1 2 > 2 2 >", "'true' 'false' 'false'", ""},
      {L"2 2 <= 3 2 <=", "'true' 'false'", ""},
      {L"2 2 >= 1 2 >=", "'true' 'false'", ""},
      // Ordered comparisons: NaN makes all four false.
      {L"0 0 / 1 < 0 0 / 1 >= 1 0 0 / > 1 0 0 / <=", "'false' 'false' 'false' 'false'", ""},
      // Truncate each operand, then the remainder takes the sign of lhs.
      {L"7.9 3 modulus -7 3 modulus 7 -3 modulus", "1 -1 1", ""},
      // Out-of-range operands clamp instead of overflowing.
      {L"99999999999 7 modulus -2147483648 -1 modulus 5 99999999999 modulus", "1 0 5", ""},
  };
  CHECK_CASES(cases);
}

TEST_F(NumberBuiltins, Errors) {
  const BuiltinCase cases[] = {
      {L"+", "", "builtin_add: stack underflow"},
      // The one number is popped and lost.
      {L"1 -", "", "builtin_subtract: stack underflow"},
      {L"1 \"a\" *", "1",
       "builtin_multiply: Type-check failed.  Argument 'rhs'\n(\"a\")\nis type 'string', "
       "should be type 'number'."},
      {L"\"a\" 2 /", "",
       "builtin_divide: Type-check failed.  Argument 'lhs'\n(\"a\")\nis type 'string', "
       "should be type 'number'."},
      {L"x: neg", "",
       "builtin_neg: Type-check failed.  Argument 'n'\n('x')\nis type 'symbol', should be type "
       "'number'."},
      {L"abs", "", "builtin_abs: stack underflow"},
      {L"1 2 [] <", "1 2",
       "builtin_lessthan: Type-check failed.  Argument 'rhs'\n([])\nis type 'array', should be "
       "type 'number'."},
      // A divisor that truncates to 0, and NaN, have no remainder.
      {L"9 7 0.5 modulus", "9", "builtin_modulus: modulus by zero"},
      {L"7 -0.9 modulus", "", "builtin_modulus: modulus by zero"},
      {L"0 0 / 3 modulus 3 0 0 / modulus", "",
       "builtin_modulus: operand is not a number | builtin_modulus: operand is not a number"},
  };
  CHECK_CASES(cases);
}

// Signs that the printed form cannot show.
TEST_F(NumberBuiltins, SignedZeros) {
  quip::Interpreter *in = start(L"0 neg -0 abs 0 0 neg min 0 neg 0 max 5 5 min");
  quip::Array &s = in->operands();
  ASSERT_EQ(s.count(), 5u);
  EXPECT_TRUE(std::signbit(s[0].number()));  // neg of 0 is -0
  EXPECT_TRUE(std::signbit(s[1].number()));  // abs leaves -0 alone
  EXPECT_TRUE(std::signbit(s[2].number()));  // equal operands give rhs
  EXPECT_FALSE(std::signbit(s[3].number())); // ... both ways
  EXPECT_EQ(s[4].number(), 5.0f);
}

} // namespace
