#include "audio/MediaFormats.h"
#include "framework/MediaOptions.h"
#include "framework/MediaTargets.h"
#include "quip/Token.h"
#include "surface/PixelBuffer.h"

#include <gtest/gtest.h>

using namespace media;

namespace {
Symbol sym(const wchar_t *text) { return Symbol::intern(text); }
const quip::Dictionary &sub(const quip::Dictionary &d, const wchar_t *key) {
  return d.lookup(sym(key))->dictionary();
}
} // namespace

TEST(Media, TargetsAndPaths) {
  EXPECT_EQ(currentTarget(), uint32_t(TARGET_PALM));
  EXPECT_EQ(targetFromName(sym(L"iosMedium")), uint32_t(TARGET_IOS_MEDIUM));
  EXPECT_EQ(targetFromName(sym(L"android")), 4u);
  EXPECT_EQ(mediaFolderName(7), String());
  EXPECT_EQ(textureFilePath(currentTarget()), String(L"ship/mediaPalm/textures.dat"));
  EXPECT_EQ(soundBankPath(TARGET_DEFAULT), String(L"ship/media/sounds.dat"));
  EXPECT_EQ(cacheFolder(TARGET_IOS_SMALL), String(L"mediaCache/mediaIOSSmall"));
  EXPECT_EQ(intermediateSoundsFolder(), String(L"mediaInt/sounds"));
}

TEST(Media, Vocabularies) {
  struct Layout {
    uint32_t bits, channels, layout;
  } layouts[] = {
      {24, 2, 4}, {8, 1, MONO8}, {8, 2, STEREO8}, {16, 1, MONO16LE}, {16, 6, STEREO16LE}};
  for (const Layout &l : layouts)
    EXPECT_EQ(layoutFor(l.bits, l.channels), l.layout) << l.bits << "/" << l.channels;
  EXPECT_EQ(soundFormatOfPath(L"sounds/Boom.WAV"), uint32_t(SOUND_WAV));
  EXPECT_EQ(soundFormatOfPath(L"sounds/boom.mp3"), uint32_t(SOUND_FORMAT_COUNT));
  EXPECT_EQ(soundLayoutFromName(sym(L"stereo16LE")), uint32_t(STEREO16LE));
  EXPECT_EQ(sampleRateFromName(sym(L"22050")), 3u);
  EXPECT_EQ(sampleRateIndex(48000), 6u);
  EXPECT_EQ(textureFormatName(TEXTURE_ULV), sym(L"ulv"));
}

TEST(Media, DefaultsAndStoredPixelFormats) {
  EXPECT_EQ(defaultSoundOptions(TARGET_PALM).format, uint32_t(SOUND_WAV));
  EXPECT_EQ(defaultSoundOptions(TARGET_IOS_SMALL).format, uint32_t(SOUND_CAFF));
  EXPECT_EQ(defaultTextureOptions(TARGET_IOS_SMALL).format, uint32_t(TEXTURE_ULV));
  EXPECT_EQ(defaultTextureOptions(TARGET_PALM).format, uint32_t(TEXTURE_JPEG));
  struct Case {
    uint32_t format;
    bool opaque;
    int pixelFormat;
  } cases[] = {
      {TEXTURE_PNG, true, PixelBuffer::RGBA8888},   {TEXTURE_JPEG, true, PixelBuffer::RGB888},
      {TEXTURE_JPEG, false, PixelBuffer::RGBA8888}, {TEXTURE_ULV, true, PixelBuffer::RGB565},
      {TEXTURE_ULV, false, PixelBuffer::RGBA4444},  {TEXTURE_PVR, true, PixelBuffer::NONE}};
  for (const Case &c : cases) {
    TextureOptions options;
    options.format = c.format;
    EXPECT_EQ(pixelFormatFor(options, c.opaque), c.pixelFormat) << c.format << c.opaque;
  }
}

TEST(Media, SoundOptionsWriteOnlyWhatDiffers) {
  quip::Dictionary empty;
  SoundOptions().write(empty);
  EXPECT_TRUE(empty.isEmpty());

  SoundOptions ogg;
  ogg.format = SOUND_OGG;
  ogg.oggSampleRate = 22050;
  quip::Dictionary d;
  ogg.write(d);
  EXPECT_EQ(d.count(), 2u);
  EXPECT_EQ(d.lookup(sym(L"format"))->symbol(), sym(L"ogg"));
  EXPECT_EQ(sub(d, L"ogg").count(), 1u);
  EXPECT_EQ(sub(d, L"ogg").lookup(sym(L"sampleRate"))->number(), 22050.0f);

  quip::Dictionary handle = sub(d, L"ogg"); // shares the body
  handle.set(sym(L"quality"), quip::Token(150.0f));
  SoundOptions read;
  read.read(d);
  EXPECT_EQ(read.format, uint32_t(SOUND_OGG));
  EXPECT_EQ(read.oggQuality, 100u);
  EXPECT_EQ(read.oggSampleRate, 22050u);
}

TEST(Media, TextureOptionsRoundTrip) {
  quip::Dictionary empty;
  TextureOptions().write(empty);
  EXPECT_TRUE(empty.isEmpty());

  TextureOptions cases[4];
  cases[0].format = TEXTURE_PNG;
  cases[0].pngPerceptual = false;
  cases[1].format = TEXTURE_PVR;
  cases[1].pvrBitsPerPixel = 2;
  cases[2].jpegAlphaQuality = 40;
  cases[3].format = TEXTURE_ULV;
  for (const TextureOptions &options : cases) {
    quip::Dictionary d;
    options.write(d);
    TextureOptions back;
    back.read(d);
    EXPECT_TRUE(back == options) << options.format;
  }
  quip::Dictionary ulv;
  cases[3].write(ulv);
  EXPECT_EQ(ulv.count(), 1u);

  quip::Dictionary loud;
  quip::Dictionary jpeg;
  jpeg.set(sym(L"colorQuality"), quip::Token(400.0f));
  loud.set(sym(L"jpeg"), quip::Token(jpeg));
  TextureOptions clamped;
  clamped.read(loud);
  EXPECT_EQ(clamped.jpegColorQuality, 100u);
  EXPECT_FALSE(clamped == TextureOptions());
}
