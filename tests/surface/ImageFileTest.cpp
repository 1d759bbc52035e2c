#include "surface/JPEGLoader.h"
#include "surface/PNGLoader.h"
#include "surface/PixelBuffer.h"
#include "surface/STBLoader.h"

#include "framework/FrameworkTestSupport.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <cstdlib>

namespace {

struct ImageFiles : testing::Test {
  testing_support::TempFolder folder;
  String path(const char *name) const { return String::fromUtf8(folder.path(name).c_str()); }

  // A smooth colour picture, so that JPEG keeps it close.
  static PixelBuffer picture(uint32_t w, uint32_t h, int format) {
    PixelBuffer buffer;
    buffer.create(w, h, format);
    for (uint32_t y = 0; y < h; ++y)
      for (uint32_t x = 0; x < w; ++x)
        buffer.setPixel(x, y, uint8_t(x * 255 / w), uint8_t(y * 255 / h), 128, uint8_t(x + y));
    return buffer;
  }
  void writeGrey(const char *name, int w, int h) {
    std::vector<unsigned char> grey(size_t(w) * h, 90);
    ASSERT_TRUE(stbi_write_jpg(folder.path(name).c_str(), w, h, 1, grey.data(), 90));
  }
};

} // namespace

TEST_F(ImageFiles, SuffixChoosesTheLoaderWhateverItsCase) {
  PixelBuffer source = picture(16, 8, PixelBuffer::RGB888);
  ASSERT_TRUE(JPEGLoader::saveJPEG(path("PHOTO.JPG"), source, 95));
  PixelBuffer loaded;
  ASSERT_TRUE(loaded.loadFromFile(path("PHOTO.JPG")));
  EXPECT_EQ(loaded.width(), 16u);
  EXPECT_EQ(loaded.format(), PixelBuffer::RGB888);

  folder.write("image.bmp", "BM");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(loaded.loadFromFile(path("image.bmp")));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Image file: '" + folder.path("image.bmp") + "' has unsupported suffix: bmp"),
            std::string::npos)
      << err;
  EXPECT_FALSE(loaded.isValid());

  uint32_t w = 0, h = 0;
  int format = PixelBuffer::NONE;
  ASSERT_TRUE(PixelBuffer::readFileInfo(path("PHOTO.JPG"), w, h, format));
  EXPECT_EQ(w, 16u);
  EXPECT_EQ(h, 8u);
  EXPECT_EQ(format, PixelBuffer::RGB888);
}

TEST_F(ImageFiles, SavedJPEGDecodesCloseToItsSource) {
  PixelBuffer source = picture(32, 32, PixelBuffer::RGB888);
  ASSERT_TRUE(source.saveImageBySuffix(path("out.jpeg"), false));
  EXPECT_FALSE(folder.exists("out.jpeg.tmp"));
  PixelBuffer back;
  ASSERT_TRUE(back.loadFromFile(path("out.jpeg")));
  ASSERT_EQ(back.width(), 32u);
  int worst = 0;
  for (uint32_t y = 0; y < 32; ++y)
    for (uint32_t x = 0; x < 32; ++x) {
      uint8_t a[4], b[4];
      source.getPixel(x, y, a[0], a[1], a[2], a[3]);
      back.getPixel(x, y, b[0], b[1], b[2], b[3]);
      for (int k = 0; k < 3; ++k)
        worst = std::max(worst, std::abs(a[k] - b[k]));
    }
  EXPECT_LE(worst, 12);
  // An unwritable place: false, with nothing claimed.
  testing::internal::CaptureStderr();
  EXPECT_FALSE(JPEGLoader::saveJPEG(path("missing/out.jpg"), source, 100));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("JPEGLoader failed to open file"),
            std::string::npos);
}

TEST_F(ImageFiles, SavingConvertsOnlyWhenAllowed) {
  PixelBuffer buffer = picture(4, 4, PixelBuffer::RGBA4444);
  EXPECT_FALSE(buffer.saveImageBySuffix(path("a.png"), false));
  EXPECT_EQ(buffer.format(), PixelBuffer::RGBA4444);
  EXPECT_FALSE(folder.exists("a.png"));
  ASSERT_TRUE(buffer.saveImageBySuffix(path("a.png"), true));
  EXPECT_EQ(buffer.format(), PixelBuffer::RGBA8888);
  PixelBuffer back;
  ASSERT_TRUE(PNGLoader::loadPNG(path("a.png"), back));
  EXPECT_EQ(back.format(), PixelBuffer::RGBA8888);
  EXPECT_EQ(memcmp(back.data(), buffer.data(), buffer.byteSize()), 0);

  testing::internal::CaptureStderr();
  EXPECT_FALSE(buffer.saveImageBySuffix(path("a.tga"), true));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("File: '" + folder.path("a.tga") +
                                                        "' has unknown suffix: 'tga'"),
            std::string::npos);
}

TEST_F(ImageFiles, GreyImagesAreRefused) {
  std::vector<unsigned char> grey(16, 77);
  ASSERT_TRUE(stbi_write_png(folder.path("grey.png").c_str(), 4, 4, 1, grey.data(), 4));
  PixelBuffer buffer;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(buffer.loadFromFile(path("grey.png")));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Image format not supported by PixelBuffer, numComponents:1\n"),
            std::string::npos)
      << err;
  EXPECT_FALSE(buffer.isValid());
}

TEST_F(ImageFiles, ColourAndAlphaPairs) {
  PixelBuffer colour = picture(64, 64, PixelBuffer::RGB888);
  ASSERT_TRUE(JPEGLoader::saveJPEG(path("c.jpg"), colour, 100));
  writeGrey("a.jpg", 64, 64);
  writeGrey("short.jpg", 64, 32);
  PixelBuffer pair;
  ASSERT_TRUE(pair.loadPairFromFiles(path("c.jpg"), path("a.jpg")));
  EXPECT_EQ(pair.format(), PixelBuffer::RGBA8888);
  uint8_t r, g, b, a;
  pair.getPixel(10, 10, r, g, b, a);
  EXPECT_NEAR(a, 90, 2);
  EXPECT_NEAR(b, 128, 4);

  PixelBuffer mismatch;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(mismatch.loadPairFromFiles(path("c.jpg"), path("short.jpg")));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Color and alpha dimension mismatch, color: (64x64), alpha: (64x32)"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("Failed to load color and alpha pair: '"), std::string::npos);
  EXPECT_FALSE(mismatch.isValid());
}

TEST_F(ImageFiles, UndecodableAndMissingFilesFail) {
  folder.write("broken.jpg", "not a picture at all");
  PixelBuffer buffer;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(JPEGLoader::loadJPEG(path("broken.jpg"), buffer));
  EXPECT_FALSE(JPEGLoader::loadJPEG(path("absent.jpg"), buffer));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Failed to load image, reason: "), std::string::npos);
  EXPECT_NE(err.find("STBLoader failed to load from file."), std::string::npos);
  EXPECT_NE(err.find("JPEGLoader failed to open file: '" + folder.path("absent.jpg") + "'"),
            std::string::npos);
  EXPECT_FALSE(buffer.isValid());
}
