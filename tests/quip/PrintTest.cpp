#include "QuipTestSupport.h"

using namespace quip;
using quiptest::utf8;

namespace {

Token parsed(const wchar_t *text) {
  Array tokens = translate(String(text), String(L"print"));
  return tokens.count() ? tokens[0] : Token();
}

TEST(Print, OneLineForms) {
  struct Case {
    Token token;
    const char *printed;
  } cases[] = {
      {Token(), "<<ERROR>>"},
      {Token(3.0f), "3"},
      {Token(-0.5f), "-0.5"},
      {Token(2.25f), "2.25"},
      {Token(L"a\"b\nc\\"), "\"a\\\"b\\nc\\\\\""},
      {Token(Symbol::intern(L"go"), false), "'go'"},
      {Token(Symbol::intern(L"go"), true), "go"},
      {Token(Array(0), false), "[]"},
      {Token(Array(0), true), "{}"},
      {Token(Dictionary()), "()"},
      {Token(static_cast<Builtin>([](Interpreter *, int *) {})), "<<BUILTIN>>"},
      {parsed(L"{ 1 [ 'x' \"s\" { y } ] }"), "{1 '[' 'x' \"s\" {y} ]}"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(utf8(c.token.toString()), c.printed);
}

TEST(Print, DictionaryKeys) {
  Dictionary d;
  d.set(Symbol::intern(L"two words"), Token(1.0f));
  EXPECT_EQ(utf8(Token(d).toString()), "('two words' 1)");
  Dictionary e;
  e.set(Symbol::intern(L"name"), Token(L"x"));
  EXPECT_EQ(utf8(Token(e).toString()), "(name: \"x\")");
  EXPECT_TRUE(isIdentifier(String(L"a_1")));
  EXPECT_FALSE(isIdentifier(String(L"1a")));
  EXPECT_FALSE(isIdentifier(String(L"")));
  EXPECT_FALSE(isIdentifier(String(L"a-b")));
}

TEST(Print, SortedFormSortsEveryDepth) {
  Dictionary inner;
  for (const wchar_t *k : {L"zeta", L"alpha", L"mid"})
    inner.set(Symbol::intern(k), Token(1.0f));
  Dictionary outer;
  outer.set(Symbol::intern(L"b"), Token(inner));
  outer.set(Symbol::intern(L"a"), Token(2.0f));
  EXPECT_EQ(utf8(Token(outer).toSortedString()), "(a: 2 b: (alpha: 1 mid: 1 zeta: 1))");
}

TEST(Print, IndentedForm) {
  Dictionary d;
  d.set(Symbol::intern(L"a"), Token(1.0f));
  d.set(Symbol::intern(L"b"), Token(Array(0), false));
  EXPECT_EQ(utf8(Token(d).toIndentedString()), "(\n    a: 1\n    b:\n    [\n    ]\n)");

  Array list(0);
  list.append(Token(L"s"));
  Dictionary nested;
  nested.set(Symbol::intern(L"odd key"), Token(Symbol::intern(L"v"), true));
  list.append(Token(nested));
  EXPECT_EQ(utf8(Token(list, true).toIndentedString(1)),
            "    {\n        \"s\"\n        (\n            'odd key' v\n        )\n    }");
}

} // namespace

namespace {

// A value that holds itself prints a cycle mark instead of recursing forever.
TEST(Print, CyclesAreMarked) {
  Array array(0);
  array.append(Token(1.0f));
  array.append(Token(array, false));
  Dictionary dictionary;
  dictionary.set(Symbol::intern(L"self"), Token(dictionary));
  dictionary.set(Symbol::intern(L"list"), Token(array, false));
  Token token(dictionary);
  EXPECT_EQ(utf8(token.toSortedString()), "(list: [1 <<CYCLE>>] self: <<CYCLE>>)");
  EXPECT_EQ(
      utf8(token.toIndentedString()),
      "(\n    list:\n    [\n        1\n        <<CYCLE>>\n    ]\n    self:\n    <<CYCLE>>\n)");
  // A body met twice side by side is no cycle.
  Array inner(0);
  Array twice(0);
  twice.append(Token(inner, false));
  twice.append(Token(inner, false));
  EXPECT_EQ(utf8(Token(twice, false).toString()), "[[] []]");
  // Break the cycles so the bodies can go.
  array.dropLast();
  array[1].release();
  dictionary.remove(Symbol::intern(L"self"));
}

} // namespace
