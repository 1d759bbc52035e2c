#include "platform/SDLRW.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

TEST(SDLRW, RemainingBytesFollowReadsAndWrites) {
  testing_support::TempFolder folder;
  folder.write("f.bin", std::string(100, 'x'));
  SDLRW rw(folder.wide("f.bin"), String(L"r+b"), true);
  ASSERT_TRUE(rw.hasRW());
  EXPECT_EQ(rw.bytesRemaining(), 100u);
  char buffer[40];
  rw.produceBytes(buffer, 40);
  EXPECT_EQ(rw.bytesRemaining(), 60u);
  EXPECT_EQ(rw.tell(), 40u);
  EXPECT_FALSE(rw.overrun());

  // A write past the end lengthens the file: it is measured again.
  rw.seek(100);
  rw.receiveBytes("0123456789", 10);
  EXPECT_FALSE(rw.writeFailed());
  rw.seek(50);
  EXPECT_EQ(rw.bytesRemaining(), 60u);
  EXPECT_EQ(rw.length(), 110u);
}

TEST(SDLRW, ShortReadsAndBadSeeksSetTheOverrunFlag) {
  testing_support::TempFolder folder;
  folder.write("f.bin", "abcd");
  SDLRW rw(folder.wide("f.bin"), String(L"rb"), false);
  char buffer[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  rw.produceBytes(buffer, 8);
  EXPECT_TRUE(rw.overrun());
  EXPECT_EQ(std::string(buffer, 4), "abcd");
  EXPECT_EQ(std::string(buffer + 4, 4), std::string(4, '\0'));
  rw.clearOverrun();
  rw.seek(0x90000000u);
  EXPECT_TRUE(rw.overrun());
}

TEST(SDLRW, WithoutAStreamNothingIsTouched) {
  testing_support::TempFolder folder;
  SDLRW rw(folder.wide("missing.bin"), String(L"rb"), false);
  EXPECT_FALSE(rw.hasRW());
  EXPECT_EQ(rw.length(), 0u);
  EXPECT_EQ(rw.bytesRemaining(), 0u);
  rw.produceBytes(nullptr, 0);
  rw.receiveBytes(nullptr, 0);
  EXPECT_FALSE(rw.overrun());
  EXPECT_FALSE(rw.writeFailed());

  SDLRW empty;
  EXPECT_EQ(empty.rw(), nullptr);
  EXPECT_EQ(empty.tell(), 0u);
  folder.write("f.bin", "abc");
  EXPECT_TRUE(empty.open(folder.wide("f.bin"), String(L"rb")));
  EXPECT_EQ(empty.bytesRemaining(), 3u);
  empty.close();
  EXPECT_EQ(empty.rw(), nullptr);
}
