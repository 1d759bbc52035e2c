#include "file/TextBinary.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <vector>

using file::BufferBinary;
using Bytes = std::vector<unsigned char>;

namespace {
Bytes bytesOf(const BufferBinary &b) { return Bytes(b.data(), b.data() + b.size()); }
BufferBinary bufferOf(const Bytes &bytes) {
  BufferBinary b;
  if (!bytes.empty())
    b.receiveBytes(bytes.data(), uint32_t(bytes.size()));
  b.seek(0);
  return b;
}
} // namespace

TEST(TextBinary, LayoutsAndRoundTrips) {
  struct Case {
    String text;
    Bytes bytes;
    String readBack;
  };
  const Case cases[] = {
      {L"xyz", {1, 'x', 'y', 'z', 0}, L"xyz"},
      {String(), {0}, String()},
      {L"\u00e9!", {1, 0xE9, '!', 0}, L"\u00e9!"},
      {L"a\u263A", {2, 'a', 0, 0x3A, 0x26, 0, 0}, L"a\u263A"},
      // Only the low 16 bits of a character above 0xFFFF are kept.
      {L"\U0001F600", {2, 0x00, 0xF6, 0, 0}, L"\uF600"},
      // Text stops at the first 0 character.
      {String(L"ab\0c", 4), {1, 'a', 'b', 0}, L"ab"},
      {String(L"\0x", 2), {1, 0}, String()},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    BufferBinary b;
    file::write(c.text, b);
    EXPECT_EQ(bytesOf(b), c.bytes);

    b.seek(0);
    String s = L"old";
    file::read(s, b);
    EXPECT_EQ(s, c.readBack);
    EXPECT_EQ(s.length(), c.readBack.length());
    EXPECT_EQ(b.bytesRemaining(), 0u);

    BufferBinary sb;
    file::write(Symbol::intern(c.text), sb);
    // A symbol's text ends at its first 0, so "\0x" is the empty symbol.
    EXPECT_EQ(bytesOf(sb), c.readBack.isEmpty() ? Bytes{0} : c.bytes);
    sb.seek(0);
    Symbol sym;
    file::read(sym, sb);
    EXPECT_EQ(sym, Symbol::intern(c.readBack));
  }
}

TEST(TextBinary, EmptySymbolAndUnknownWidth) {
  BufferBinary b;
  file::write(Symbol::emptySymbol(), b);
  EXPECT_EQ(bytesOf(b), Bytes{0});
  b.seek(0);
  Symbol s = Symbol::intern(L"x");
  file::read(s, b);
  EXPECT_EQ(s, Symbol::emptySymbol());

  // An unknown width gives the empty text and consumes only that byte.
  BufferBinary odd = bufferOf({7, 'a', 0});
  String text = L"keep?";
  file::read(text, odd);
  EXPECT_TRUE(text.isEmpty());
  EXPECT_EQ(odd.tell(), 1u);
  odd.seek(0);
  s = Symbol::intern(L"x");
  file::read(s, odd);
  EXPECT_EQ(s, Symbol::emptySymbol());
}

TEST(TextBinary, SeveralTextsInOneStream) {
  BufferBinary b;
  file::write(String(L"one"), b);
  file::write(Symbol::intern(L"tw\u014D"), b);
  file::write(String(), b);
  file::write(3, b);
  b.seek(0);
  String a, c;
  Symbol s;
  int n = 0;
  file::read(a, b);
  file::read(s, b);
  file::read(c, b);
  file::read(n, b);
  EXPECT_EQ(a, String(L"one"));
  EXPECT_EQ(s, Symbol::intern(L"tw\u014D"));
  EXPECT_TRUE(c.isEmpty());
  EXPECT_EQ(n, 3);
  EXPECT_FALSE(b.overrun());
}

TEST(TextBinary, TruncatedTextEndsAtTheBufferEnd) {
  const Bytes truncated[] = {{1, 'a', 'b'}, {2, 'a', 0, 'b'}, {1}, {}};
  for (const auto &bytes : truncated) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    BufferBinary b = bufferOf(bytes);
    String s;
    file::read(s, b);
    EXPECT_LE(s.length(), 2u);
    EXPECT_TRUE(b.overrun());
  }
}
