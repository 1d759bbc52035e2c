#include "QuipTestSupport.h"

using namespace quip;
using quiptest::captureOutput;
using quiptest::utf8;

namespace {

Array parse(const wchar_t *text, std::string *printed = nullptr) {
  Array result(0);
  std::string out = captureOutput([&] { result = translate(String(text), String(L"src")); });
  if (printed)
    *printed = out;
  return result;
}

std::string printedTokens(const Array &tokens) {
  String out;
  for (uint32_t i = 0; i < tokens.count(); ++i) {
    if (i)
      out += L' ';
    out += tokens[i].toString();
  }
  return utf8(out);
}

TEST(Parser, Procedures) {
  Array tokens = parse(L"{ 1 [2 3] }");
  ASSERT_EQ(tokens.count(), 1u);
  ASSERT_TRUE(tokens[0].isProcedure());
  const Array &body = tokens[0].array();
  ASSERT_EQ(body.count(), 5u);
  EXPECT_EQ(body[0], Token(1.0f));
  EXPECT_TRUE(body[1].isSymbol() && !body[1].isExecutable());
  EXPECT_EQ(utf8(body[1].symbol().toString()), "[");
  EXPECT_EQ(body[3], Token(3.0f));
  EXPECT_TRUE(body[4].isSymbol() && body[4].isExecutable());
}

TEST(Parser, TokensAndNumbers) {
  struct Case {
    const wchar_t *text;
    const char *printed;
  } cases[] = {
      {L"x: 1.5 def", "'x' 1.5 def"},
      {L"-abc -.5 a-b - ", "-abc -0.5 a-b -"},
      {L"'two words' '' ''", "'two words' '' ''"},
      {L". -. 007 3. -0", "0 0 7 3 0"},
      {L"1]2)[(", "1 ] 2 ) '[' '('"},
      {L"\"tab\\there\" 'q\\'s'", "\"tab\\there\" 'q's'"},
      {L"a%comment\nb % end", "a b"},
      {L"`~!@#$^&*_=+\\|,<.>/?;", "`~!@#$^&*_=+\\|,<.>/?;"},
      {L"", ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(printedTokens(parse(c.text)), c.printed) << utf8(c.text);
  EXPECT_EQ(parse(L"-.5")[0].number(), -0.5f);
  EXPECT_FLOAT_EQ(parse(L"12.375")[0].number(), 12.375f);
}

TEST(Parser, UserVisibleText) {
  std::string out;
  Array plain = parse(L"~\"Play\"", &out);
  ASSERT_EQ(plain.count(), 1u);
  EXPECT_EQ(plain[0], Token(L"Play"));
  EXPECT_EQ(out, "parse warning: no context for user-visible text\n");
  Array withContext = parse(L"~\"Play\"&\"menu\" 1", &out);
  EXPECT_EQ(printedTokens(withContext), "\"Play\" 1");
  EXPECT_EQ(out, "");
}

// Every parse error fails the whole text with its message, then
// "translation failed".
TEST(Parser, ErrorTexts) {
  struct Case {
    const wchar_t *text;
    const char *message;
  } cases[] = {
      {L"   ", "end of file -- no more tokens"},
      {L"% only a comment", "end of file -- no more tokens"},
      {L"{ 1 2", "end of file in array literal"},
      {L"{ 1 \"open }", "end of file in string/symbol literal"},
      {L"}", "mismatched '}'"},
      {L"1 2 :", "unexpected character"},
      {L"1.2.3", "too many decimal points in number literal"},
      {L"12ab", "garbage after number literal"},
      {L"1e5", "garbage after number literal"},
      {L"5%", "garbage after number literal"},
      {L"\"abc", "end of file in string/symbol literal"},
      {L"\"ab\ncd\"", "end of line in string/symbol literal"},
      {L"'ab\\", "end of file in escape sequence"},
      {L"\"a\\qb\"", "illegal escape sequence"},
  };
  for (const Case &c : cases) {
    std::string out;
    Array tokens = parse(c.text, &out);
    EXPECT_EQ(tokens.count(), 0u) << c.message;
    std::string first = std::string("parse error: ") + c.message + "\n";
    EXPECT_EQ(out.substr(0, first.size()), first) << utf8(c.text);
    const std::string tail = "parse error: translation failed\n";
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail) << utf8(c.text);
  }
}

TEST(Parser, NestedErrorsAndContext) {
  std::string out;
  parse(L"{ 1.2.3 }", &out);
  EXPECT_EQ(out, "parse error: too many decimal points in number literal\n"
                 "line 1\n> { 1.2.3 }\n       ^\n"
                 "parse error: error in array literal\n"
                 "line 1\n> { 1.2.3 }\n       ^\n"
                 "parse error: translation failed\n");
}

TEST(Parser, DeepNestingIsRefused) {
  std::wstring text(5000, L'{');
  std::string out;
  EXPECT_EQ(parse(text.c_str(), &out).count(), 0u);
  EXPECT_NE(out.find("error in array literal"), std::string::npos);
}

} // namespace
