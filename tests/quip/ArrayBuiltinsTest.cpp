#include "BuiltinCases.h"

using namespace quiptest;

namespace {

class ArrayBuiltins : public BuiltinTest {};

TEST_F(ArrayBuiltins, BuildingFromMarks) {
  const BuiltinCase cases[] = {
      {L"[]", "[]", ""},
      {L"[1 \"two\" three: [4]]", "[1 \"two\" 'three' [4]]", ""},
      // Either flag of the mark counts.
      {L"\"[\" stringToSymbol executableMode 1 2 ]", "[1 2]", ""},
      {L"0 ( )", "0 ()", ""},
      {L"(a: 1 b: [2]) sortedKeys", "['a' 'b']", ""},
      // For a key given twice the pair written first wins.
      {L"(a: 1 a: 2) a: lookup", "1", ""},
      {L"1 ]", "1", "builtin_makearray: Unmatched ']'"},
      {L"1 )", "1", "builtin_makedict: Unmatched ')'"},
      {L"(a: 1 b:)", "'(' 'a' 1 'b'", "builtin_makedict: Odd number of items in dictionary"},
      // A key that is no symbol: the pairs above it are gone, the rest stays.
      {L"(a: 1 2 3 c: 4)", "'(' 'a' 1",
       "builtin_makedict: Type-check failed.  Argument 'name'\n(2)\nis type 'number', should be "
       "type 'symbol'."},
  };
  CHECK_CASES(cases);
}

TEST_F(ArrayBuiltins, ElementsAndSearch) {
  const BuiltinCase cases[] = {
      {L"3 array -2 array 2.9 array size", "[<<ERROR>> <<ERROR>> <<ERROR>>] [] 2", ""},
      {L"3 array 0 at", "<<ERROR>>", ""},
      // "at" truncates (negative to 0), "put" rounds halves down.
      {L"[10 20 30] 1.7 at [10 20 30] -1 at", "20 10", ""},
      {L"[10 20 30] dup 1.7 99 put", "[10 20 99]", ""},
      {L"[10 20 30] dup 2.5 99 put dup 1.5 88 put", "[10 88 99]", ""},
      {L"[1] dup 2 append dup [3 4] appendArray", "[1 2 3 4]", ""},
      // An array appended to itself gains each element once.
      {L"[1 2] dup dup appendArray", "[1 2 1 2]", ""},
      {L"[\"a\" \"b\" \"a\"] \"a\" firstIndexOf [1 2] 3 firstIndexOf", "0 -1", ""},
      {L"[7] dup [ swap ] swap firstIndexOf", "0", ""},
      {L"[7] [[7]] swap firstIndexOf", "-1", ""},
      {L"1 array dup 0 at firstIndexOf", "-1", ""},
      {L"[a: b: c:] dup 0 removeByIndex [1 2] dup -0.9 removeByIndex", "['c' 'b'] [2]", ""},
      {L"[1 [1 3] 4] 1 2 replace", "[2 [2 3] 4]", ""},
      {L"[\"x\" [x: \"x\"]] \"x\" 0 replace", "[0 ['x' 0]]", ""},
      {L"[5 5 5] atRandom", "5", ""},
      {L"[1 2 3] unpack [] unpack", "1 2 3", ""},
      {L"[1 2] dup 0 fill [] dup 1 fill", "[0 0] []", ""},
      {L"[1 2] dup \"s\" fill dup 0 at \"!\" concat", "[\"s\" \"s\"] \"s!\"", ""},
  };
  CHECK_CASES(cases);
}

TEST_F(ArrayBuiltins, DictionaryQueries) {
  const BuiltinCase cases[] = {
      {L"(a: 1) a: hasKey (a: 1) b: hasKey", "'true' 'false'", ""},
      {L"(a: 1) a: lookup (a: 1) b: lookup", "1 ''", ""},
      {L"(a: 1) a: 0 lookupElse (a: 1) b: 0 lookupElse", "1 0", ""},
      // The value outlives its dictionary; a fallback of any type.
      {L"(a: [1 \"s\"]) a: 0 lookupElse (a: 1) b: \"no\" lookupElse", "[1 \"s\"] \"no\"", ""},
      {L"(a: 1) \"a\" 0 lookupElse", "(a: 1)",
       "builtin_lookupElse: Type-check failed.  Argument 'name'\n(\"a\")\nis type 'string', "
       "should be type 'symbol'."},
      {L"(a: 1) a: lookupRequired", "1", ""},
      {L"(a: 1) keys", "[a]", ""},
      {L"(b: 1 B: 2 a: 3) sortedKeys", "['B' 'a' 'b']", ""},
      {L"(a: 1 b: 2) (b: 3 c: 4) mergeDictionary dup b: lookup swap sortedKeys", "3 ['a' 'b' 'c']",
       ""},
      {L"() isEmpty (a: 1) isEmpty", "'true' 'false'", ""},
      {L"(a: 1) dup b: 2 insert dup a: 3 insert sortedKeys", "['a' 'b']", ""},
      {L"(a: 1) dup a: removeKey swap a: removeKey", "true false", ""},
      {L"(x: 5 y: 6) [x: y:] defDictArgs x y", "5 6", ""},
  };
  CHECK_CASES(cases);
}

TEST_F(ArrayBuiltins, Errors) {
  const BuiltinCase cases[] = {
      {L"[10 20] 2 at", "", "builtin_at: array index out of bounds"},
      {L"[10] 0 \"i\" at", "[10] 0",
       "builtin_at: Type-check failed.  Argument 'i'\n(\"i\")\nis type 'string', should be type "
       "'number'."},
      {L"(a: 1) 0 at", "",
       "builtin_at: Type-check failed.  Argument 'a'\n((a: 1))\nis type 'dictionary', should be "
       "type 'array'."},
      {L"[10 20 30] 3 0 put [10] -0.6 0 put", "",
       "builtin_put: array index out of bounds | "
       "builtin_put: array index out of bounds"},
      {L"99999999999 array 16777218 array", "",
       "builtin_array: array size too large | "
       "builtin_array: array size too large"},
      {L"[1] 1 removeByIndex", "", "builtin_removeByIndex: array index out of bounds"},
      {L"[1] [1] 2 replace", "", "builtin_replace: Unsupported source type for 'replace' builtin"},
      {L"1 1 2 replace", "",
       "builtin_replace: Type-check failed.  Argument 'array'\n(1)\nis type 'number', should be "
       "type 'array'."},
      {L"[] atRandom", "", "builtin_atRandom: array index out of bounds"},
      {L"\"ab\" size", "",
       "builtin_size: Type-check failed.  Argument 'a'\n(\"ab\")\nis type 'string', should be "
       "type 'array'."},
      {L"1 \"a\" 2 append", "1",
       "builtin_append: Type-check failed.  Argument 'a'\n(\"a\")\nis type 'string', should be "
       "type 'array'."},
      {L"[1] 2 appendArray", "[1]",
       "builtin_appendArray: Type-check failed.  Argument 'b'\n(2)\nis type 'number', should be "
       "type 'array'."},
      {L"(a: 1) z: lookupRequired", "",
       "builtin_lookupRequired: Failed required lookup of key 'z' in dictionary:\n(a: 1)"},
      {L"(b: (d: 1 c: 2)) z: lookupRequired", "",
       "builtin_lookupRequired: Failed required lookup of key 'z' in dictionary:\n(b: (c: 2 d: "
       "1))"},
      {L"(a: 1) \"a\" lookup", "(a: 1)",
       "builtin_lookup: Type-check failed.  Argument 'name'\n(\"a\")\nis type 'string', should be "
       "type 'symbol'."},
      {L"1 a: hasKey", "",
       "builtin_hasKey: Type-check failed.  Argument 'd'\n(1)\nis type 'number', should be type "
       "'dictionary'."},
      {L"(x: 5) [x: y:] defDictArgs x", "5",
       "builtin_defDictArgs: Key 'y' not found in dictionary: (x: 5)"},
      {L"(x: 5) [3] defDictArgs", "",
       "builtin_defDictArgs: Type-check failed.  Argument 'name'\n(3)\nis type 'number', should "
       "be type 'symbol'."},
      {L"[] keys", "",
       "builtin_keys: Type-check failed.  Argument 'd'\n([])\nis type 'array', should be type "
       "'dictionary'."},
      {L"() 1 mergeDictionary", "()",
       "builtin_mergeDictionary: Type-check failed.  Argument 'd2'\n(1)\nis type 'number', "
       "should be type 'dictionary'."},
      // "insert" has consumed its value when the name fails.
      {L"() \"a\" 1 insert", "()",
       "builtin_insert: Type-check failed.  Argument 'name'\n(\"a\")\nis type 'string', should "
       "be type 'symbol'."},
      {L"() removeKey", "",
       "builtin_removeKey: Type-check failed.  Argument 'name'\n(())\nis "
       "type 'dictionary', should be type 'symbol'."},
      {L"1 isEmpty", "",
       "builtin_isEmpty: Type-check failed.  Argument 'dict'\n(1)\nis type 'number', should be "
       "type 'dictionary'."},
      {L"unpack", "", "builtin_unpack: stack underflow"},
  };
  CHECK_CASES(cases);
}

// Changes go to the shared body, so every copy sees them.
TEST_F(ArrayBuiltins, ChangesAreShared) {
  EXPECT_EQ(eval(L"[1 2] dup 9 fill"), "[9 9]");
  EXPECT_EQ(eval(L"(a: [1]) dup a: lookup 2 append a: lookup"), "[1 2]");
  EXPECT_EQ(eval(L"() dup dup mergeDictionary pop"), "()");
}

// An array that holds itself: the walk visits each body once and ends.
TEST_F(ArrayBuiltins, ReplaceEndsOnCycles) {
  quip::Interpreter *in = start(L"[1] dup dup append 1 2 replace");
  quip::Array &s = in->operands();
  ASSERT_EQ(s.count(), 1u);
  quip::Array &a = s[0].array();
  ASSERT_EQ(a.count(), 2u);
  EXPECT_EQ(a[0].number(), 2.0f);
  EXPECT_TRUE(a[1].array().sameBody(a));
  a[1].release(); // breaks the cycle so the body can go
}

TEST_F(ArrayBuiltins, RandomChoiceCoversTheArray) {
  quip::Interpreter *in = start(L"[0 1 2] atRandom [0 1 2] atRandom [0 1 2] atRandom "
                                L"[0 1 2] atRandom [0 1 2] atRandom [0 1 2] atRandom "
                                L"[0 1 2] atRandom [0 1 2] atRandom [0 1 2] atRandom");
  for (uint32_t i = 0; i < in->operands().count(); ++i) {
    float v = in->operands()[i].number();
    EXPECT_TRUE(v == 0 || v == 1 || v == 2);
  }
}

} // namespace
