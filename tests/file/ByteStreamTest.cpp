#include "error/ChildProcess.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/FileWrapper.h"
#include "file/ProducerSpan.h"
#include "math/Size2i.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using file::BufferBinary;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes bytesOf(const BufferBinary &b) { return Bytes(b.data(), b.data() + b.size()); }

struct PrimitiveCase {
  const char *name;
  std::function<void(BufferBinary &)> write;
  Bytes expected;
  // Reads the value back and tells whether it is the one written.
  std::function<bool(BufferBinary &)> readsBack;
};

template <typename T> std::function<bool(BufferBinary &)> readsAs(T want) {
  return [want](BufferBinary &b) {
    T got{};
    file::read(got, b);
    return got == want;
  };
}

} // namespace

TEST(BinaryPrimitives, LayoutsAndRoundTrips) {
  const PrimitiveCase cases[] = {
      {"bool true", [](auto &b) { file::write(true, b); }, {1}, readsAs(true)},
      {"bool false", [](auto &b) { file::write(false, b); }, {0}, readsAs(false)},
      {"char", [](auto &b) { file::write('A', b); }, {0x41}, readsAs('A')},
      {"unsigned char",
       [](auto &b) { file::write((unsigned char)0xFE, b); },
       {0xFE},
       readsAs((unsigned char)0xFE)},
      {"short", [](auto &b) { file::write((short)-2, b); }, {0xFE, 0xFF}, readsAs((short)-2)},
      {"unsigned short",
       [](auto &b) { file::write((unsigned short)0x1234, b); },
       {0x34, 0x12},
       readsAs((unsigned short)0x1234)},
      {"int", [](auto &b) { file::write(-2, b); }, {0xFE, 0xFF, 0xFF, 0xFF}, readsAs(-2)},
      {"unsigned int",
       [](auto &b) { file::write(0x12345678u, b); },
       {0x78, 0x56, 0x34, 0x12},
       readsAs(0x12345678u)},
      {"float", [](auto &b) { file::write(1.0f, b); }, {0x00, 0x00, 0x80, 0x3F}, readsAs(1.0f)},
      {"double",
       [](auto &b) { file::write(1.0, b); },
       {0, 0, 0, 0, 0, 0, 0xF0, 0x3F},
       readsAs(1.0)},
      {"Size2i",
       [](auto &b) { file::write(math::Size2i(3, -1), b); },
       {3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF},
       readsAs(math::Size2i(3, -1))},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    BufferBinary b;
    c.write(b);
    EXPECT_EQ(bytesOf(b), c.expected);
    b.seek(0);
    EXPECT_TRUE(c.readsBack(b));
    EXPECT_EQ(b.bytesRemaining(), 0u);
    EXPECT_FALSE(b.overrun());
  }
}

TEST(BinaryPrimitives, AnyNonZeroByteReadsAsTrue) {
  BufferBinary b;
  file::write((unsigned char)0x80, b);
  b.seek(0);
  bool value = false;
  file::read(value, b);
  EXPECT_TRUE(value);
}

TEST(BufferBinary, WritesOverwriteInTheMiddleAndExtendAtTheEnd) {
  BufferBinary b;
  const unsigned char three[] = {1, 2, 3}, four[] = {4, 5, 6, 7}, one[] = {9};
  b.receiveBytes(three, 3);
  b.seek(2);
  b.receiveBytes(four, 4);
  EXPECT_EQ(b.size(), 6u);
  EXPECT_EQ(b.tell(), 6u);
  b.seek(0);
  b.receiveBytes(one, 1);
  EXPECT_EQ(bytesOf(b), (Bytes{9, 2, 4, 5, 6, 7}));
}

TEST(BufferBinary, SmallWritesDoubleTheStorageAndLargeOnesTakeExactly) {
  BufferBinary b;
  file::write(1, b);
  EXPECT_EQ(b.capacity(), 4u);
  file::write((unsigned char)1, b);
  EXPECT_EQ(b.capacity(), 8u);
  unsigned char big[100] = {};
  b.receiveBytes(big, 100);
  EXPECT_EQ(b.capacity(), 105u);
  b.receiveBytes(big, 0);
  EXPECT_EQ(b.size(), 105u);
}

TEST(BufferBinary, SeekingPastTheEnd) {
  BufferBinary b;
  file::write(7u, b);
  b.seek(10);
  EXPECT_EQ(b.bytesRemaining(), 0u);
  unsigned char byte;
  EXPECT_FALSE(b.peekByte(byte));
  // Writing there fills the gap with zeros.
  file::write((unsigned char)0xAA, b);
  EXPECT_EQ(bytesOf(b), (Bytes{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xAA}));
}

TEST(BufferBinary, ReadingPastTheEndIsBoundedAndFlagged) {
  BufferBinary b;
  const unsigned char three[] = {0x11, 0x22, 0x33};
  b.receiveBytes(three, 3);
  b.seek(1);
  unsigned int value = 0xFFFFFFFF;
  file::read(value, b);
  // What remained is copied, the rest is zero.
  EXPECT_EQ(value, 0x3322u);
  EXPECT_TRUE(b.overrun());
  EXPECT_EQ(b.bytesRemaining(), 0u);
  // The flag stays until the buffer is cleared or reloaded.
  b.seek(0);
  unsigned char byte;
  file::read(byte, b);
  EXPECT_EQ(byte, 0x11);
  EXPECT_TRUE(b.overrun());
  float f = 5.0f;
  b.seek(100);
  file::read(f, b);
  EXPECT_EQ(f, 0.0f);
  b.clear();
  EXPECT_FALSE(b.overrun());
  EXPECT_EQ(b.size(), 0u);
}

TEST(BufferBinary, ByteAccessResizeAdoptDetach) {
  BufferBinary b;
  const unsigned char two[] = {5, 6};
  b.receiveBytes(two, 2);
  b.seek(0);
  unsigned char c = 0;
  EXPECT_TRUE(b.peekByte(c));
  EXPECT_EQ(c, 5);
  EXPECT_TRUE(b.nextByte(c));
  EXPECT_TRUE(b.nextByte(c));
  EXPECT_EQ(c, 6);
  EXPECT_FALSE(b.nextByte(c));

  b.resize(4);
  EXPECT_EQ(bytesOf(b), (Bytes{5, 6, 0, 0}));
  EXPECT_EQ(b.tell(), 2u);
  b.resize(1);
  EXPECT_EQ(b.tell(), 1u);

  unsigned char *mine = new unsigned char[3]{1, 2, 3};
  b.adopt(mine, 3);
  EXPECT_EQ(b.tell(), 3u);
  EXPECT_EQ(bytesOf(b), (Bytes{1, 2, 3}));
  unsigned char *back = b.detach();
  EXPECT_EQ(back, mine);
  EXPECT_EQ(b.size(), 0u);
  EXPECT_EQ(b.tell(), 0u);
  delete[] back;
}

TEST(BufferBinary, FilesSaveOpenAppendAndCopy) {
  testing_support::TempFolder dir;
  BufferBinary b;
  EXPECT_FALSE(b.open(dir.wide("missing")));
  EXPECT_EQ(b.size(), 0u);
  EXPECT_FALSE(b.open(String(dir.path().c_str()))) << "a directory is not a file";

  file::write(0x01020304u, b);
  ASSERT_TRUE(b.save(dir.wide("a.bin")));
  ASSERT_TRUE(b.appendToFile(dir.wide("a.bin")));
  ASSERT_TRUE(BufferBinary::copyFile(dir.wide("a.bin"), dir.wide("b.bin")));
  EXPECT_FALSE(BufferBinary::copyFile(dir.wide("missing"), dir.wide("c.bin")));

  BufferBinary loaded;
  file::write(99, loaded);
  ASSERT_TRUE(loaded.open(dir.wide("b.bin")));
  EXPECT_EQ(loaded.tell(), 0u);
  EXPECT_EQ(bytesOf(loaded), (Bytes{4, 3, 2, 1, 4, 3, 2, 1}));
  EXPECT_FALSE(b.save(dir.wide("no/such/dir/x.bin")));
}

TEST(FileWrapper, WritesReadsAndMeasures) {
  testing_support::TempFolder dir;
  {
    file::FileWrapper out(dir.wide("w.bin"), L"wb", true);
    ASSERT_TRUE(out.hasFile());
    file::write(1.5f, out);
    EXPECT_EQ(out.size(), 4u);
    file::write((short)7, out);
    // A write forgets the cached size.
    EXPECT_EQ(out.size(), 6u);
  }
  file::FileWrapper in(dir.wide("w.bin"), L"rb", true);
  EXPECT_EQ(in.bytesRemaining(), 6u);
  float f = 0;
  file::read(f, in);
  EXPECT_EQ(f, 1.5f);
  EXPECT_EQ(in.tell(), 4u);
  EXPECT_EQ(in.bytesRemaining(), 2u);
  in.seek(4);
  short s = 0;
  file::read(s, in);
  EXPECT_EQ(s, 7);
  in.close();
  EXPECT_EQ(in.file(), nullptr);
  EXPECT_EQ(in.size(), 0u);
  EXPECT_EQ(in.bytesRemaining(), 0u);

  file::FileWrapper optional(dir.wide("missing"), L"rb", false);
  EXPECT_EQ(optional.file(), nullptr);
}

TEST(FileWrapper, FailuresAreAssertions) {
  testing_support::TempFolder dir;
  String missing = dir.wide("missing.bin");
  auto mustOpen = testing_support::runInChild([&] { file::FileWrapper f(missing, L"rb", true); });
  EXPECT_EQ(mustOpen.exitStatus, 255);
  EXPECT_NE(mustOpen.err.find("source/file/FileWrapper("), std::string::npos) << mustOpen.err;
  EXPECT_NE(mustOpen.err.find("FileWrapper() hasFile(): " + dir.path("missing.bin")),
            std::string::npos)
      << mustOpen.err;

  BufferBinary two;
  file::write((short)1, two);
  ASSERT_TRUE(two.save(dir.wide("two.bin")));
  auto shortRead = testing_support::runInChild([&] {
    file::FileWrapper f(dir.wide("two.bin"), L"rb", true);
    int value;
    file::read(value, f);
  });
  EXPECT_EQ(shortRead.exitStatus, 255);
  EXPECT_NE(shortRead.err.find(
                "produceBytes() fread( destination, 1, numBytes, file() ) == numBytes: \n"),
            std::string::npos)
      << shortRead.err;

  auto closedSeek = testing_support::runInChild([] {
    file::FileWrapper f;
    f.seek(0);
  });
  EXPECT_EQ(closedSeek.exitStatus, 255);
}

TEST(ProducerSpan, SeeksWithinItsStretch) {
  BufferBinary b;
  for (int i = 0; i < 20; ++i)
    file::write((unsigned char)i, b);
  b.seek(7);
  file::ProducerSpan whole(b);
  EXPECT_EQ(whole.length(), 20u);
  EXPECT_EQ(b.tell(), 7u);

  file::ProducerSpan span(b, 5, 15);
  EXPECT_EQ(span.length(), 10u);
  EXPECT_TRUE(span.seek(-4, file::ProducerSpan::FromEnd));
  EXPECT_EQ(b.tell(), 11u);
  EXPECT_EQ(span.tell(), 6u);
  EXPECT_TRUE(span.seek(2, file::ProducerSpan::FromCurrent));
  EXPECT_EQ(b.tell(), 13u);
  EXPECT_TRUE(span.seek(0, file::ProducerSpan::FromStart));
  EXPECT_EQ(b.tell(), 5u);

  b.seek(9);
  EXPECT_FALSE(span.seek(-1, file::ProducerSpan::FromStart));
  EXPECT_FALSE(span.seek(-5, file::ProducerSpan::FromCurrent));
  EXPECT_FALSE(span.seek(0, 3));
  EXPECT_EQ(b.tell(), 9u);

  span.seekToEnd();
  EXPECT_EQ(b.tell(), 15u);
  span.seekToStart();
  EXPECT_EQ(b.tell(), 5u);
}
