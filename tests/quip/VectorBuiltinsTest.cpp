#include "BuiltinCases.h"

#include "math/Random.h"

#include <cmath>

using namespace quiptest;

namespace {

class VectorBuiltins : public BuiltinTest {};

TEST_F(VectorBuiltins, RoundingAndVectors) {
  const BuiltinCase cases[] = {
      // Halves round down.
      {L"2.5 round 2.51 round -2.5 round -2.4 round 0.5 round 1.5 round", "2 3 -3 -2 0 1", ""},
      {L"-0.5 floor 2.7 floor -0.5 ceil 2.1 ceil", "-1 2 0 3", ""},
      {L"5 5 random 5 1 random", "5 1", ""},
      {L"[1 2 3] [10 20 30] vectorAdd [] [1] vectorAdd", "[11 22 33] []", ""},
      // A shorter rhs adds nothing to the rest.
      {L"[1 2 3] [10] vectorAdd", "[11 2 3]", ""},
      {L"[1 -2] 3 vectorScale [3 6] 3 vectorDivide [1] 0 vectorDivide", "[3 -6] [1 2] [inf]", ""},
      {L"[1 2] [4 6] distance2D [1 1] [1 1] distance2D", "5 0", ""},
      {L"[1 2 3] [3 5 9] distance3D", "7", ""},
      {L"[3 4] 0 rotate2D", "[3 4]", ""},
  };
  CHECK_CASES(cases);
}

TEST_F(VectorBuiltins, Errors) {
  const std::string check0 = typeCheck("builtin_floor", "n", "'x'", "symbol", "number");
  const std::string check1 = typeCheck("builtin_random", "top", "\"t\"", "string", "number");
  const std::string check2 = typeCheck("builtin_random", "bottom", "[]", "array", "number");
  const std::string check3 = typeCheck("builtin_vectorAdd", "rhs", "2", "number", "array");
  const std::string check4 = typeCheck("builtin_vectorAdd", "lhs", "1", "number", "array");
  const std::string check5 = typeCheck("builtin_vectorDivide", "scalar", "[2]", "array", "number");
  const std::string check6 = typeCheck("builtin_rotate2D", "angle", "'x'", "symbol", "number");
  const BuiltinCase cases[] = {
      {L"round", "", "builtin_round: stack underflow"},
      {L"x: floor", "", check0.c_str()},
      {L"1 \"t\" random", "1", check1.c_str()},
      {L"[] 2 random", "", check2.c_str()},
      {L"[1] 2 vectorAdd", "[1]", check3.c_str()},
      {L"1 [1] vectorAdd", "", check4.c_str()},
      {L"[1] [a:] vectorAdd", "", "builtin_vectorAdd: element 0 of 'rhs' is not a number"},
      {L"[1 \"x\"] 2 vectorScale", "", "builtin_vectorScale: element 1 of 'array' is not a number"},
      {L"[1] [2] vectorDivide", "[1]", check5.c_str()},
      {L"[1 2] [3] distance2D", "[1 2]",
       "builtin_distance2D: argument 'b' is not a vector of 2 numbers"},
      {L"[1 2 3] distance3D", "", "builtin_distance3D: stack underflow"},
      {L"[1] 90 rotate2D", "", "builtin_rotate2D: argument 'vector' is not a vector of 2 numbers"},
      {L"[1 0] x: rotate2D", "[1 0]", check6.c_str()},
  };
  CHECK_CASES(cases);
}

// The printed form cannot show the sign of a zero.
TEST_F(VectorBuiltins, CeilKeepsNegativeZero) {
  quip::Interpreter *in = start(L"-0.5 ceil 0.4 round");
  quip::Array &s = in->operands();
  ASSERT_EQ(s.count(), 2u);
  EXPECT_TRUE(std::signbit(s[0].number()));
  EXPECT_EQ(s[1].number(), 0.0f);
}

TEST_F(VectorBuiltins, RandomValuesAndDirections) {
  Random::globalSeed(7);
  quip::Interpreter *in = start(L"[1 0] 90 rotate2D 2 4 random 2 4 random 2 4 random "
                                L"constructRandomVector2D constructRandomVector2D");
  quip::Array &s = in->operands();
  ASSERT_EQ(s.count(), 6u);
  const quip::Array &turned = s[0].array();
  EXPECT_NEAR(turned[0].number(), 0.0f, 1e-6f);
  EXPECT_NEAR(turned[1].number(), -1.0f, 1e-6f);
  EXPECT_FALSE(s[0].isExecutable());
  for (uint32_t i = 1; i <= 3; ++i) {
    EXPECT_GE(s[i].number(), 2.0f);
    EXPECT_LT(s[i].number(), 4.0f);
  }
  for (uint32_t i = 4; i <= 5; ++i) {
    const quip::Array &v = s[i].array();
    ASSERT_EQ(v.count(), 2u);
    float length = std::sqrt(v[0].number() * v[0].number() + v[1].number() * v[1].number());
    EXPECT_NEAR(length, 1.0f, 1e-5f);
  }
}

// The range stays half-open even where float rounding would reach the top:
// between 2^24 and the next float but one, half of all draws round up to top.
TEST_F(VectorBuiltins, RandomNeverReturnsTop) {
  Random::globalSeed(1);
  String script;
  for (int i = 0; i < 20; ++i)
    script += L"16777216 16777218 random ";
  quip::Interpreter *in = start(script.c_str());
  quip::Array &s = in->operands();
  ASSERT_EQ(s.count(), 20u);
  for (uint32_t i = 0; i < 20; ++i) {
    EXPECT_GE(s[i].number(), 16777216.0f);
    EXPECT_LT(s[i].number(), 16777218.0f);
  }
}

} // namespace
