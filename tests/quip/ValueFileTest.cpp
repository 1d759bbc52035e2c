#include "QuipTestSupport.h"

#include "file/FileStatus.h"
#include "quip/Serializer.h"

#include <vector>

using namespace quip;

namespace {

std::vector<unsigned char> bytesOf(const Token &token) {
  file::BufferBinary out;
  EXPECT_TRUE(Serializer::writeBytes(token, out));
  return std::vector<unsigned char>(out.data(), out.data() + out.size());
}

Token readOf(const std::vector<unsigned char> &bytes) {
  file::BufferBinary in;
  if (!bytes.empty())
    in.receiveBytes(bytes.data(), uint32_t(bytes.size()));
  in.seek(0);
  return Serializer::readBytes(in);
}

Token roundTrip(const Token &token) { return readOf(bytesOf(token)); }

TEST(ValueFile, NumberAlone) {
  std::vector<unsigned char> expected = {0x21, 1, 2, 0, 0, 0, 0, 0, 0x6E, 0x00, 0x00, 0xC0, 0x3F};
  EXPECT_EQ(bytesOf(Token(1.5f)), expected);
  Token back = readOf(expected);
  ASSERT_TRUE(back.isNumber());
  EXPECT_EQ(back.number(), 1.5f);
}

TEST(ValueFile, SharedTextTable) {
  Array code(0);
  code.append(Token(Symbol::intern(L"def"), true));
  code.append(Token(L"def"));
  std::vector<unsigned char> expected = {0x21, 1, 2, 0, 1, 0, 0, 0, 12, 0, 0, 0};
  for (char c : {'d', 'e', 'f'})
    expected.insert(expected.end(), {uint8_t(c), 0, 0, 0});
  for (unsigned char b : {0xDB, 0x02, 0x00, 0x00, 0x00, 0xD3, 0x00, 0x00, 0x73, 0x00, 0x00})
    expected.push_back(b);
  EXPECT_EQ(bytesOf(Token(code, true)), expected);
  Token back = readOf(expected);
  ASSERT_TRUE(back.isProcedure());
  EXPECT_EQ(back.toString(), String(L"{def \"def\"}"));
}

TEST(ValueFile, RoundTrips) {
  Dictionary inner;
  inner.set(Symbol::intern(L"name"), Token(L"ball"));
  inner.set(Symbol::intern(L"odd key"), Token(Symbol::intern(L"x"), false));
  Array list = translate(String(L"{ 1 [ -2.5 'a' \"\\n\" ] { nested } } ( )"), String(L"t"));
  inner.set(Symbol::intern(L"list"), Token(list, false));
  Dictionary outer;
  outer.set(Symbol::intern(L"inner"), Token(inner));
  outer.set(Symbol::intern(L""), Token(0.25f));
  for (int i = 0; i < 12; ++i)
    outer.set(Symbol::intern(String::format(L"k%d", i)), Token(float(i)));

  Token back = roundTrip(Token(outer));
  ASSERT_TRUE(back.isDictionary());
  EXPECT_EQ(back.toSortedString(), Token(outer).toSortedString());
  // Keys are written in the bucket order of the written dictionary.
  EXPECT_EQ(back.dictionary().keys().count(), outer.keys().count());

  Token builtin = roundTrip(Token(static_cast<Builtin>([](Interpreter *, int *) {})));
  EXPECT_TRUE(builtin.isError());
  EXPECT_TRUE(builtin.isExecutable());
  EXPECT_TRUE(roundTrip(Token()).isError());
}

// Texts that differ after a NUL character keep their own table entries.
TEST(ValueFile, TextsWithNulCharacters) {
  Array list(0);
  list.append(Token(String(L"a\0b", 3)));
  list.append(Token(String(L"a\0c", 3)));
  Token back = roundTrip(Token(list, false));
  ASSERT_TRUE(back.isArray());
  ASSERT_EQ(back.array().count(), 2u);
  EXPECT_EQ(back.array()[0].string().length(), 3u);
  EXPECT_EQ(back.array()[1].string()[2], L'c');
}

TEST(ValueFile, HeaderMismatchIsAnError) {
  std::vector<unsigned char> file = bytesOf(Token(1.5f));
  for (int at : {0, 1, 2, 3}) {
    std::vector<unsigned char> other = file;
    other[at] += 1;
    EXPECT_TRUE(readOf(other).isError()) << at;
  }
}

// Every prefix of a valid file is a damaged file.
TEST(ValueFile, EveryTruncationIsAnError) {
  Dictionary d;
  d.set(Symbol::intern(L"list"),
        Token(translate(String(L"1 'two' \"three\" [ 4 ( ) ]"), String(L"t")), true));
  d.set(Symbol::intern(L"n"), Token(7.0f));
  std::vector<unsigned char> file = bytesOf(Token(d));
  ASSERT_FALSE(readOf(file).isError());
  for (size_t n = 0; n < file.size(); ++n) {
    std::vector<unsigned char> prefix(file.begin(), file.begin() + long(n));
    EXPECT_TRUE(readOf(prefix).isError()) << n;
  }
}

TEST(ValueFile, UntrustedCountsLengthsAndIndexes) {
  auto header = [](std::vector<unsigned char> rest) {
    std::vector<unsigned char> out = {0x21, 1, 2, 0};
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
  };
  // Huge string count, a length not a multiple of 4, a length past the end.
  EXPECT_TRUE(readOf(header({0xFF, 0xFF, 0xFF, 0xFF, 0x6E, 0, 0, 0, 0})).isError());
  EXPECT_TRUE(readOf(header({1, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c', 0x65})).isError());
  EXPECT_TRUE(readOf(header({1, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0x7F, 0x65})).isError());
  // An index past the table, a huge array count, a key that is not a symbol.
  EXPECT_TRUE(readOf(header({0, 0, 0, 0, 0x73, 0, 0})).isError());
  EXPECT_TRUE(readOf(header({0, 0, 0, 0, 0x5B, 0xFF, 0xFF, 0xFF, 0xFF, 0x65})).isError());
  EXPECT_TRUE(
      readOf(header({0, 0, 0, 0, 0x28, 1, 0, 0, 0, 0x6E, 0, 0, 0, 0, 0x65, 0x65, 0x65})).isError());
  // Nesting past any real value.
  std::vector<unsigned char> deep = header({0, 0, 0, 0});
  for (int i = 0; i < 5000; ++i)
    deep.insert(deep.end(), {0x5B, 1, 0, 0, 0});
  deep.push_back(0x65);
  EXPECT_TRUE(readOf(deep).isError());
  // Unknown tags read as error tokens with their flag.
  Token unknown = readOf(header({0, 0, 0, 0, 0xFF}));
  EXPECT_TRUE(unknown.isError() && unknown.isExecutable());
}

TEST(ValueFile, WriterRefusesMoreTextsThanIndexesReach) {
  Array many(0);
  for (int i = 0; i < 65537; ++i)
    many.append(Token(String::format(L"t%d", i)));
  file::BufferBinary out;
  EXPECT_FALSE(Serializer::writeBytes(Token(many, false), out));
  many.dropLast();
  file::BufferBinary fits;
  EXPECT_TRUE(Serializer::writeBytes(Token(many, false), fits));

  testing_support::TempFolder folder;
  String path = folder.wide("too-many.bin");
  std::string printed;
  testing::internal::CaptureStderr();
  Array tooMany(0);
  tooMany.appendAll(many);
  tooMany.append(Token(L"one more"));
  tooMany.append(Token(L"and another"));
  EXPECT_FALSE(Serializer(path).write(Token(tooMany, false)));
  printed = testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("65536"), std::string::npos);
  EXPECT_FALSE(file::exists(path));
}

TEST(ValueFile, FileRoundTrip) {
  testing_support::TempFolder folder;
  String path = folder.wide("value.bin");
  Array code = translate(String(L"{ 1 2 } 'x' \"y\""), String(L"t"));
  ASSERT_TRUE(Serializer(path).write(Token(code, false)));
  Token back = readValueFile(path);
  EXPECT_EQ(back.toString(), String(L"[{1 2} 'x' \"y\"]"));
}

} // namespace
