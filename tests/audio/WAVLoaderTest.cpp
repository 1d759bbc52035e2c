#include "audio/WAVLoader.h"

#include "audio/MediaFormats.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "framework/FrameworkTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A canonical header announcing dataSize bytes, followed by present bytes.
std::string wav(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t dataSize,
                uint32_t present) {
  file::BufferBinary b;
  b.receiveBytes("RIFF", 4);
  file::write(uint32_t(36 + dataSize), b);
  b.receiveBytes("WAVEfmt ", 8);
  file::write(uint32_t(16), b);
  file::write(uint16_t(1), b);
  file::write(channels, b);
  file::write(rate, b);
  file::write(uint32_t(rate * channels * bits / 8), b);
  file::write(uint16_t(channels * bits / 8), b);
  file::write(bits, b);
  b.receiveBytes("data", 4);
  file::write(dataSize, b);
  for (uint32_t i = 0; i < present; ++i)
    file::write((unsigned char)(i * 7), b);
  return std::string(reinterpret_cast<const char *>(b.data()), b.size());
}

} // namespace

TEST(WAVLoader, InfoByHeader) {
  testing_support::TempFolder folder;
  folder.write("a.WAV", wav(2, 22050, 16, 8, 8));
  folder.write("short.wav", "RIFF");
  uint32_t layout = 99, rate = 0;
  ASSERT_TRUE(WAVLoader::loadInfo(String::fromUtf8(folder.path("a.WAV").c_str()), layout, rate));
  EXPECT_EQ(layout, uint32_t(media::STEREO16LE));
  EXPECT_EQ(rate, 22050u);
  EXPECT_FALSE(
      WAVLoader::loadInfo(String::fromUtf8(folder.path("short.wav").c_str()), layout, rate));
  EXPECT_FALSE(WAVLoader::loadInfo(L"x.ogg", layout, rate));
  testing::internal::CaptureStderr();
  EXPECT_FALSE(
      WAVLoader::loadInfo(String::fromUtf8(folder.path("none.wav").c_str()), layout, rate));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("WAVLoader failed to open file: '"),
            std::string::npos);
}

TEST(WAVLoader, DataSizeIsBoundedByWhatRemains) {
  struct Case {
    uint32_t announced, present, expected;
  } cases[] = {{6, 6, 6}, {6, 10, 6}, {0x7FFFFFF0u, 5, 5}};
  for (const Case &c : cases) {
    std::string bytes = wav(1, 8000, 8, c.announced, c.present);
    file::BufferBinary in;
    in.receiveBytes(bytes.data(), uint32_t(bytes.size()));
    in.seek(0);
    container::Vector<uint8_t> data;
    uint32_t layout = 0, rate = 0;
    ASSERT_TRUE(WAVLoader::load(media::SOUND_WAV, in, data, layout, rate));
    EXPECT_EQ(data.size(), c.expected);
    EXPECT_EQ(layout, uint32_t(media::MONO8));
    EXPECT_FALSE(in.overrun());
  }
  file::BufferBinary in;
  container::Vector<uint8_t> data;
  uint32_t layout = 0, rate = 0;
  EXPECT_FALSE(WAVLoader::load(media::SOUND_OGG, in, data, layout, rate));
  EXPECT_FALSE(WAVLoader::load(media::SOUND_WAV, in, data, layout, rate));
}
