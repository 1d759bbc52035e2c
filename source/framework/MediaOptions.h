#pragma once
// How a target's sounds and textures are encoded by the media tools, read
// from and written to script dictionaries (only what differs from the
// defaults is written).

#include "quip/Dictionary.h"

#include <cstdint>

namespace media {

struct SoundOptions {
  uint32_t format = 0; // wav
  uint32_t caffSampleRate = 8000;
  uint32_t oggQuality = 30; // at most 100
  uint32_t oggSampleRate = 8000;

  void write(quip::Dictionary &dictionary) const;
  void read(const quip::Dictionary &dictionary);
  bool operator==(const SoundOptions &other) const = default;
};

struct TextureOptions {
  uint32_t format = 3; // jpeg
  uint32_t pvrBitsPerPixel = 4;
  bool pvrPerceptual = true;
  uint32_t pngBitsPerPixel = 4;
  bool pngPerceptual = true;
  uint32_t jpegColorQuality = 90; // at most 100
  uint32_t jpegAlphaQuality = 60; // at most 100

  void write(quip::Dictionary &dictionary) const;
  void read(const quip::Dictionary &dictionary);
  bool operator==(const TextureOptions &other) const = default;
};

// wav for default and palm, caff for the iOS targets.
SoundOptions defaultSoundOptions(uint32_t target);
// ulv for iosSmall, jpeg for the others.
TextureOptions defaultTextureOptions(uint32_t target);
// The pixel format an image is stored in: png rgba8888; jpeg rgb888 when
// opaque, else rgba8888; ulv rgb565 when opaque, else rgba4444; pvr none.
int pixelFormatFor(const TextureOptions &options, bool opaque);

} // namespace media
