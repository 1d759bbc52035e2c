#include "xstring/String.h"

#include <gtest/gtest.h>

#include <utility>

TEST(String, DefaultAllocatesNothingUntilCStr) {
  String s;
  EXPECT_EQ(s.capacity(), 0u);
  EXPECT_STREQ(s.c_str(), L"");
  EXPECT_EQ(s.capacity(), 1u);
  EXPECT_EQ(s.length(), 0u);

  // Appending text, even empty text, reserves its terminator: the string then
  // counts as allocated and equals the empty text.
  String e;
  e.append(L"");
  EXPECT_EQ(e.capacity(), 1u);
  EXPECT_EQ(e.compare(L""), String::Equal);
  EXPECT_TRUE(e.startsWith(L""));
}

TEST(String, AppendGrowth) {
  String s;
  s.append(L'a');
  EXPECT_EQ(s.capacity(), 2u);
  s.append(L'b');
  EXPECT_EQ(s.capacity(), 4u);
  s.append(L"cdef");
  EXPECT_EQ(s.capacity(), 7u); // exact reserve for text
  EXPECT_EQ(s, String(L"abcdef"));
  s.append(s); // appending itself survives the reallocation
  EXPECT_EQ(s, String(L"abcdefabcdef"));
}

TEST(String, CompareCodes) {
  struct Case {
    const wchar_t *a;
    const wchar_t *b;
    int code;
  } cases[] = {
      {L"", L"", String::Equal},     {L"", L"x", String::Less},
      {L"x", L"", String::Greater},  {L"abc", L"abd", String::Less},
      {L"b", L"a", String::Greater}, {L"same", L"same", String::Equal},
  };
  for (const Case &c : cases)
    EXPECT_EQ(String(c.a).compare(String(c.b)), c.code) << c.a << "|" << c.b;
  EXPECT_EQ(String().compare(L"a"), String::Less);
  EXPECT_TRUE(String(L"yes").toBool());
  EXPECT_TRUE(String(L"0").toBool());
  EXPECT_FALSE(String(L"false").toBool());
}

TEST(String, Search) {
  String s(L"hello world");
  EXPECT_EQ(s.find(L'o'), 4);
  EXPECT_EQ(s.reverseFind(L'o'), 7);
  EXPECT_EQ(s.find(L"world"), 6);
  EXPECT_EQ(s.find(L""), -1);
  EXPECT_EQ(String().find(L"a"), -1);
  EXPECT_TRUE(s.startsWith(L""));
  EXPECT_FALSE(String().startsWith(L""));
  EXPECT_FALSE(String(L"ab").startsWith(L"abc"));
  EXPECT_EQ(s.count(L'l'), 3u);
}

TEST(String, EditInPlace) {
  String s(L"abc");
  s.insert(1, L'X');
  EXPECT_EQ(s, String(L"aXbc"));
  s.insert(4, L'Y');
  EXPECT_EQ(s, String(L"aXbcY"));
  s.erase(0);
  EXPECT_EQ(s, String(L"XbcY"));
  s.replace(L'b', L'z');
  EXPECT_EQ(s, String(L"XzcY"));
}

TEST(String, CaseTransforms) {
  String c(L"hello big world");
  c.camelCase();
  EXPECT_EQ(c, String(L"helloBigWorld"));
  String h(L"helloBigWorld");
  h.humanize();
  EXPECT_EQ(h, String(L"Hello big world"));
  EXPECT_EQ(String(L"MiXed").lowerCased(), String(L"mixed"));
}

TEST(String, Split) {
  container::Vector<String> out;
  String(L"a,,b").split(String(L","), out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], String(L"a"));
  EXPECT_EQ(out[1], String(L"b"));

  out.clear();
  String(L"x \"a b\" y").split(String(L" "), out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1], String(L"\"a b\""));

  // The output is not cleared first.
  String(L"z").split(String(L" "), out);
  EXPECT_EQ(out.size(), 4u);
}

TEST(String, SplitPath) {
  String dir, name, ext(L"keep");
  splitPath(String(L"file"), dir, name, ext);
  EXPECT_EQ(dir, String(L"."));
  EXPECT_EQ(name, String(L"file"));
  splitPath(String(L"dir/name."), dir, name, ext);
  EXPECT_EQ(dir, String(L"dir"));
  EXPECT_EQ(name, String(L"name"));
  EXPECT_EQ(ext, String(L"keep"));
  splitPath(String(L"a/b/c.tar.gz"), dir, name, ext);
  EXPECT_EQ(dir, String(L"a/b"));
  EXPECT_EQ(name, String(L"c.tar"));
  EXPECT_EQ(ext, String(L"gz"));
}

TEST(String, Numbers) {
  struct Case {
    float v;
    const wchar_t *text;
  } numbers[] = {{2.0f, L"2"},       {0.125f, L"0.125"}, {1.23456f, L"1.2346"},
                 {0.005f, L"0.005"}, {-3.0f, L"-3"},     {-0.5f, L"-0.5"}};
  for (const Case &c : numbers)
    EXPECT_EQ(String::formatNumber(c.v), String(c.text)) << c.text;
  EXPECT_EQ(String::toString(10.0f), String(L"10"));
  EXPECT_EQ(String::toString(2.5f), String(L"2.5"));
  EXPECT_EQ(String::toString(-7), String(L"-7"));
  EXPECT_EQ(String::toInt(L"42abc"), 42);
  EXPECT_EQ(String::toInt(L"abc"), 0);
  EXPECT_FLOAT_EQ(String::toFloat(L"1.5"), 1.5f);

  String big = String::toString(1234567);
  big.insertThousandSeparators();
  EXPECT_EQ(big, String(L"1,234,567"));
  String small = String::toString(123);
  small.insertThousandSeparators();
  EXPECT_EQ(small, String(L"123"));
  EXPECT_EQ(String::toStringWithSeparators(1000), String(L"1,000"));
  // The minus sign is not counted as a digit.
  const std::pair<int, const wchar_t *> negatives[] = {
      {-123, L"-123"}, {-1234, L"-1,234"}, {-123456, L"-123,456"}, {-1234567, L"-1,234,567"}};
  for (const auto &[value, text] : negatives)
    EXPECT_EQ(String::toStringWithSeparators(value), String(text)) << text;
}

TEST(String, Escape) {
  String s(L"a\nb\t\"q\" \\ 'x' nt");
  s.escape();
  EXPECT_EQ(s, String(L"a\\nb\\t\\\"q\\\" \\\\ \\'x\\' nt"));
}

TEST(String, Narrow) {
  container::Vector<char> bytes;
  String().toNarrow(bytes);
  EXPECT_EQ(bytes.size(), 0u);
  String(L"ab").toNarrow(bytes);
  ASSERT_EQ(bytes.size(), 3u);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(String(bytes), String(L"ab"));
  container::Vector<char> utf8;
  String(L"\x263A").toUtf8(utf8);
  EXPECT_EQ(String::fromUtf8(utf8.data()), String(L"\x263A"));
}
