#include "texture/PVRTC.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<unsigned char> pvrFile(uint32_t w, uint32_t h, uint32_t flags, uint32_t dataLength,
                                   uint32_t actualData, const char *tag = "PVR!") {
  std::vector<unsigned char> bytes(52 + actualData, 0);
  auto put = [&](uint32_t offset, uint32_t v) { memcpy(&bytes[offset], &v, 4); };
  put(0, 52);
  put(4, h);
  put(8, w);
  put(16, flags);
  put(20, dataLength);
  put(40, 0xFF);
  memcpy(&bytes[44], tag, 4);
  return bytes;
}

} // namespace

TEST(PVRTC, LevelSizes) {
  EXPECT_EQ(pvrtcLevelSize(false, 8, 8), 32u);
  EXPECT_EQ(pvrtcLevelSize(false, 4, 4), 32u);
  EXPECT_EQ(pvrtcLevelSize(false, 1, 1), 32u);
  EXPECT_EQ(pvrtcLevelSize(true, 16, 16), 64u);
  EXPECT_EQ(pvrtcLevelSize(false, 64, 32), 16u * 8 * 8);
}

TEST(PVRTC, ContainersAreCheckedAndWalkedWithinTheirBytes) {
  struct Case {
    const char *what;
    uint32_t flags, dataLength, actualData;
    const char *tag;
    bool accepted;
    uint32_t levels;
  } cases[] = {
      {"4 bpp 8x8 with all levels", 25, 128, 128, "PVR!", true, 4},
      {"2 bpp", 24, 64, 64, "PVR!", true, 2},
      {"mipmap flag bit", 0x119, 128, 128, "PVR!", false, 0},
      {"wrong tag", 25, 128, 128, "PVR?", false, 0},
      {"length past the buffer", 25, 100000, 70, "PVR!", true, 2},
      {"partial last level", 25, 80, 80, "PVR!", true, 2},
  };
  for (const Case &c : cases) {
    std::vector<unsigned char> bytes = pvrFile(8, 8, c.flags, c.dataLength, c.actualData, c.tag);
    PVRInfo info;
    EXPECT_EQ(readPVR(bytes.data(), uint32_t(bytes.size()), info), c.accepted) << c.what;
    EXPECT_EQ(info.levels.size(), c.levels) << c.what;
    if (c.accepted) {
      EXPECT_EQ(info.width, 8u);
      EXPECT_TRUE(info.hasAlpha);
      EXPECT_EQ(info.glFormat, c.flags == 24 ? 0x8C03u : 0x8C02u);
    }
  }
  PVRInfo info;
  std::vector<unsigned char> shortHeader(40, 0);
  EXPECT_FALSE(readPVR(shortHeader.data(), 40, info));
}
