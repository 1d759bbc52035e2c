#include "surface/ULVLoader.h"

#include "file/BinaryPrimitives.h"
#include "framework/FrameworkTestSupport.h"
#include "surface/PixelBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

ULVHeader header(int format, uint32_t w, uint32_t h, bool mipmapped) {
  ULVHeader out;
  out.format = format;
  out.width = w;
  out.height = h;
  out.mipmapped = mipmapped;
  return out;
}

PixelBuffer gradient(uint32_t w, uint32_t h, int format) {
  PixelBuffer buffer;
  buffer.create(w, h, format);
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x)
      buffer.setPixel(x, y, uint8_t(x * 37 + 3), uint8_t(y * 53 + 5), 100, uint8_t(x * 20));
  return buffer;
}

} // namespace

TEST(ULV, LevelCountsAndSizes) {
  struct Case {
    uint32_t w, h;
    bool mip;
    uint32_t levels;
    uint64_t bytes; // rgb565
  } cases[] = {{4, 4, true, 3, 42},   {8, 8, true, 4, 170},  {8, 2, true, 2, 40},
               {16, 4, true, 3, 168}, {1, 64, true, 1, 128}, {4, 4, false, 1, 32}};
  for (const Case &c : cases) {
    ULVHeader h = header(PixelBuffer::RGB565, c.w, c.h, c.mip);
    EXPECT_EQ(ULVLoader::levelCount(h), c.levels) << c.w << "x" << c.h;
    EXPECT_EQ(ULVLoader::totalByteSize(h), c.bytes) << c.w << "x" << c.h;
  }
}

TEST(ULV, WrittenImageReadsBackLevelByLevel) {
  PixelBuffer source = gradient(4, 4, PixelBuffer::RGB565);
  file::BufferBinary out;
  ASSERT_TRUE(ULVLoader::write(out, source, PixelBuffer::RGB565, true));
  EXPECT_EQ(out.size(), 52u);
  out.seek(0);
  ULVHeader h;
  file::BufferBinary image;
  ASSERT_TRUE(ULVLoader::read(out, h, image));
  EXPECT_EQ(h.format, PixelBuffer::RGB565);
  EXPECT_TRUE(h.mipmapped);
  EXPECT_EQ(image.size(), 52u);
  EXPECT_EQ(image.tell(), 0u);
  EXPECT_EQ(ULVLoader::levelData(h, image, 0), image.data() + 10);
  EXPECT_EQ(ULVLoader::levelData(h, image, 2), image.data() + 10 + 32 + 8);
  // Level 0 is the source exactly; a 565 source is converted, not dithered.
  EXPECT_EQ(memcmp(ULVLoader::levelData(h, image, 0), source.data(), 32), 0);
}

TEST(ULV, DitheringOnlyFromEightBitSourcesToTwoByteFormats) {
  // A flat grey between two 4-bit levels: dithering mixes two values, plain
  // conversion gives one.
  auto distinct = [](const PixelBuffer &source, int format) {
    file::BufferBinary out;
    ULVLoader::write(out, source, format, false);
    out.seek(0);
    ULVHeader h;
    file::BufferBinary image;
    EXPECT_TRUE(ULVLoader::read(out, h, image));
    PixelBuffer level;
    level.create(h.width, h.height, h.format);
    memcpy(level.data(), ULVLoader::levelData(h, image, 0), level.byteSize());
    std::set<int> reds;
    for (uint32_t y = 0; y < h.height; ++y)
      for (uint32_t x = 0; x < h.width; ++x) {
        uint8_t r, g, b, a;
        level.getPixel(x, y, r, g, b, a);
        reds.insert(r);
      }
    return reds.size();
  };
  PixelBuffer grey8888;
  grey8888.create(8, 8, PixelBuffer::RGBA8888);
  grey8888.fill(100, 100, 100, 255);
  EXPECT_EQ(distinct(grey8888, PixelBuffer::RGBA4444), 2u);
  EXPECT_EQ(distinct(grey8888, PixelBuffer::RGBA8888), 1u);
  PixelBuffer grey565;
  grey565.create(8, 8, PixelBuffer::RGB565);
  grey565.fill(100, 100, 100, 255);
  EXPECT_EQ(distinct(grey565, PixelBuffer::RGBA4444), 1u);
}

TEST(ULV, UntrustedHeadersAreRefused) {
  struct Case {
    const char *what;
    unsigned char format;
    uint32_t w, h;
    uint32_t pixelBytes;
    bool accepted;
  } cases[] = {{"good", 1, 2, 2, 8, true},
               {"format 6", 6, 2, 2, 8, false},
               {"format 200", 200, 2, 2, 8, false},
               {"zero width", 1, 0, 2, 8, false},
               {"zero height", 1, 2, 0, 8, false},
               {"short data", 1, 2, 2, 7, false},
               {"huge", 5, 0x10000, 0x10000, 8, false}};
  for (const Case &c : cases) {
    file::BufferBinary in;
    file::write(c.format, in);
    file::write(c.w, in);
    file::write(c.h, in);
    file::write(false, in);
    for (uint32_t i = 0; i < c.pixelBytes; ++i)
      file::write((unsigned char)i, in);
    in.seek(0);
    ULVHeader h;
    file::BufferBinary image;
    EXPECT_EQ(ULVLoader::read(in, h, image), c.accepted) << c.what;
  }
  file::BufferBinary tiny;
  file::write((unsigned char)1, tiny);
  tiny.seek(0);
  ULVHeader h;
  file::BufferBinary image;
  EXPECT_FALSE(ULVLoader::read(tiny, h, image));
}

TEST(ULV, FilesSaveWholeAndReportWhatIsMissing) {
  testing_support::TempFolder folder;
  String name = String::fromUtf8(folder.path("a.ulv").c_str());
  ASSERT_TRUE(
      ULVLoader::saveULV(name, gradient(8, 8, PixelBuffer::RGBA8888), PixelBuffer::RGBA4444, true));
  ULVHeader info;
  ASSERT_TRUE(ULVLoader::readULVInfo(name, info));
  EXPECT_EQ(info.width, 8u);
  EXPECT_EQ(info.format, PixelBuffer::RGBA4444);
  ULVHeader h;
  file::BufferBinary image;
  ASSERT_TRUE(ULVLoader::loadULV(name, h, image));
  EXPECT_EQ(image.size(), 10u + 2 * (64 + 16 + 4 + 1));

  // A file cut short is refused, not read past its end.
  std::string bytes = folder.read("a.ulv");
  folder.write("cut.ulv", bytes.substr(0, bytes.size() - 3));
  EXPECT_FALSE(ULVLoader::loadULV(String::fromUtf8(folder.path("cut.ulv").c_str()), h, image));

  testing::internal::CaptureStderr();
  EXPECT_FALSE(ULVLoader::loadULV(String::fromUtf8(folder.path("none.ulv").c_str()), h, image));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("ULVLoader failed to open file: '" +
                                                        folder.path("none.ulv") + "'"),
            std::string::npos);
}
