#include "BuiltinCases.h"

using namespace quiptest;

namespace {

class StringBuiltins : public BuiltinTest {};

TEST_F(StringBuiltins, Results) {
  const BuiltinCase cases[] = {
      {L"\"%1 of %2 (%1)\" [3 \"apples\"] sprintf", "\"3 of apples (3)\"", ""},
      {L"\"100%%\" [] sprintf \"\" [1] sprintf", "\"100%\" \"\"", ""},
      // Strings bare, every other value in its printed form.
      {L"\"%1|%2|%3|%4\" [\"s\" go: [1] 2.5] sprintf", "\"s|\\'go\\'|[1]|2.5\"", ""},
      {L"\"%9\" [1 2 3 4 5 6 7 8 9] sprintf", "\"9\"", ""},
      {L"\"ab\" \"cd\" concat \"\" \"\" concat", "\"abcd\" \"\"", ""},
      {L"\"a,,b\" \",\" split \"\" \",\" split", "[\"a\" \"b\"] []", ""},
      // A double quote stops the separators cutting.
      {L"\"x \\\"y z\\\" w\" \" \" split", "[\"x\" \"\\\"y z\\\"\" \"w\"]", ""},
      // Separators at either end and in runs cut nothing empty; any of the
      // separator characters cuts; an unclosed quote keeps the rest whole; no
      // separators leave the whole string.
      {L"\";a; b;;\" \"; \" split \"a\\\"b;c\" \";\" split \"ab\" \"\" split",
       "[\"a\" \"b\"] [\"a\\\"b;c\"] [\"ab\"]", ""},
      {L"\"hello\" 1.9 substring \"hello\" -3 substring", "\"ello\" \"hello\"", ""},
      {L"\"hello\" 5 substring \"hello\" 99 substring", "\"\" \"\"", ""},
      {L"\"levelSelect\" humanize \"level10\" humanize \"HUD\" humanize",
       "\"Level Select\" \"Level 1 0\" \"H U D\"", ""},
      {L"\"a B\" humanize \"\" humanize", "\"A  B\" \"\"", ""},
      {L"\"hello World\" capitalize \"\" capitalize", "\"Hello World\" \"\"", ""},
      {L"\"hello\" stringLength \"\" stringLength", "5 0", ""},
      {L"\"1234567\" commaString \"123\" commaString \"1234\" commaString",
       "\"1,234,567\" \"123\" \"1,234\"", ""},
      {L"\"abc\" toString 3 toString 2.5 toString", "\"abc\" \"3\" \"2.5\"", ""},
      {L"go: toString go: executableMode toString", "\"\\'go\\'\" \"go\"", ""},
      {L"[\"a\"] toString", "\"[\\\"a\\\"]\"", ""},
      {L"go: symbolToString \"a b\" stringToSymbol", "\"go\" 'a b'", ""},
      {L"\"x\" stringToSymbol symbolToString", "\"x\"", ""},
      {L"\"3.5abc\" toNumber \"abc\" toNumber \"-2\" toNumber", "3.5 0 -2", ""},
      // Whole numbers take a shorter way in both directions; the results are
      // those of the printed form and of the scanner.
      {L"-0 toString -12 toString 16777216 toString 16777217 toString 100000000 toString",
       "\"0\" \"-12\" \"16777216\" \"16777216\" \"100000000\"", ""},
      {L"\"0012\" toNumber \"-0\" toNumber 1 swap / \"1234567\" toNumber \"12345678\" toNumber",
       "12 -inf 1234567 12345678", ""},
      {L"\" 7\" toNumber \"-\" toNumber \"7 \" toNumber \"-34\" toNumber", "7 0 7 -34", ""},
      // A string changed by a builtin leaves its copies (bound, in arrays,
      // on the stack) as they were.
      {L"s: \"ab\" def s \"c\" concat s s s concat s", "\"abc\" \"ab\" \"abab\" \"ab\"", ""},
      {L"a: [\"hi you\"] def a 0 at capitalize a", "\"Hi you\" [\"hi you\"]", ""},
      {L"\"1234\" dup commaString swap dup 1 index concat", "\"1,234\" \"1234\" \"12341234\"", ""},
  };
  CHECK_CASES(cases);
}

TEST_F(StringBuiltins, Errors) {
  const BuiltinCase cases[] = {
      {L"sprintf", "", "builtin_sprintf: stack underflow"},
      {L"\"%d\" [1] sprintf", "", "builtin_sprintf: sprintf illegal argument index"},
      {L"\"%0\" [1] sprintf", "", "builtin_sprintf: sprintf illegal argument index"},
      {L"\"%2\" [1] sprintf", "", "builtin_sprintf: sprintf argument index out of bounds"},
      {L"\"xyz%\" [] sprintf", "", "builtin_sprintf: sprintf '%' character found at end of string"},
      {L"\"f\" \"a\" sprintf", "\"f\"",
       "builtin_sprintf: Type-check failed.  Argument 'args'\n(\"a\")\nis type 'string', should "
       "be type 'array'."},
      {L"1 [] sprintf", "",
       "builtin_sprintf: Type-check failed.  Argument 'format'\n(1)\nis type 'number', should be "
       "type 'string'."},
      {L"\"a\" concat", "", "builtin_concat: stack underflow"},
      {L"\"a\" 1 concat", "\"a\"",
       "builtin_concat: Type-check failed.  Argument 'str1'\n(1)\nis type 'number', should be "
       "type 'string'."},
      {L"1 \"a\" concat", "",
       "builtin_concat: Type-check failed.  Argument 'str0'\n(1)\nis type 'number', should be "
       "type 'string'."},
      {L"\"a\" 1 split", "\"a\"",
       "builtin_split: Type-check failed.  Argument 'separators'\n(1)\nis type 'number', should "
       "be type 'string'."},
      {L"\"a\" \"1\" substring", "\"a\"",
       "builtin_substring: Type-check failed.  Argument 'ix'\n(\"1\")\nis type 'string', should "
       "be type 'number'."},
      {L"1 humanize", "",
       "builtin_humanize: Type-check failed.  Argument 'str'\n(1)\nis type 'number', should be "
       "type 'string'."},
      {L"\"s\" symbolToString", "",
       "builtin_symbolToString: Type-check failed.  Argument 'token'\n(\"s\")\nis type 'string', "
       "should be type 'symbol'."},
      {L"s: stringToSymbol", "",
       "builtin_stringToSymbol: Type-check failed.  Argument 'token'\n('s')\nis type 'symbol', "
       "should be type 'string'."},
      {L"toString", "", "builtin_toString: stack underflow"},
      {L"1 toNumber", "",
       "builtin_toNumber: Type-check failed.  Argument 'str'\n(1)\nis type 'number', should be "
       "type 'string'."},
      {L"[] stringLength", "",
       "builtin_stringLength: Type-check failed.  Argument 'str'\n([])\nis type 'array', should "
       "be type 'string'."},
  };
  CHECK_CASES(cases);
}

// Results are new strings: the arguments, and copies of them, keep their text.
TEST_F(StringBuiltins, ArgumentsAreNotChanged) {
  EXPECT_EQ(eval(L"\"abc\" dup capitalize"), "\"abc\" \"Abc\"");
  EXPECT_EQ(eval(L"\"1234\" dup commaString"), "\"1234\" \"1,234\"");
  EXPECT_EQ(eval(L"\"ab\" dup \"c\" concat"), "\"ab\" \"abc\"");
  // A string made executable comes back from toString as a plain string.
  quip::Interpreter *in = start(L"\"s\" executableMode toString");
  EXPECT_FALSE(in->operands()[0].isExecutable());
}

} // namespace
