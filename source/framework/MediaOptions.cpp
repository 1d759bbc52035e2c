#include "framework/MediaOptions.h"

#include "audio/MediaFormats.h"
#include "framework/MediaTargets.h"
#include "quip/Token.h"
#include "surface/PixelBuffer.h"

#include <algorithm>

namespace media {

namespace {

struct Keys {
  Symbol format = Symbol::intern(L"format");
  Symbol sampleRate = Symbol::intern(L"sampleRate");
  Symbol quality = Symbol::intern(L"quality");
  Symbol bitsPerPixel = Symbol::intern(L"bitsPerPixel");
  Symbol perceptual = Symbol::intern(L"perceptual");
  Symbol colorQuality = Symbol::intern(L"colorQuality");
  Symbol alphaQuality = Symbol::intern(L"alphaQuality");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

void setNumber(quip::Dictionary &d, Symbol key, uint32_t value) {
  d.set(key, quip::Token(float(value)));
}

void readNumber(const quip::Dictionary &d, Symbol key, uint32_t &out) {
  if (const quip::Token *t = d.lookup(key); t && t->isNumber())
    out = t->number() > 0 ? uint32_t(t->number()) : 0;
}

void readBool(const quip::Dictionary &d, Symbol key, bool &out) {
  if (const quip::Token *t = d.lookup(key))
    out = t->toBool();
}

// The sub-dictionary under a format's name, when there is one.
const quip::Dictionary *section(const quip::Dictionary &d, Symbol name) {
  const quip::Token *t = d.lookup(name);
  return t && t->isDictionary() ? &t->dictionary() : nullptr;
}

void putSection(quip::Dictionary &d, Symbol name, const quip::Dictionary &section) {
  if (!section.isEmpty())
    d.set(name, quip::Token(section));
}

uint32_t formatIn(const quip::Dictionary &d, uint32_t (*fromName)(Symbol), uint32_t current) {
  if (const quip::Token *t = d.lookup(keys().format); t && t->isSymbol())
    return fromName(t->symbol());
  return current;
}

} // namespace

void SoundOptions::write(quip::Dictionary &d) const {
  if (format != SOUND_WAV)
    d.set(keys().format, quip::Token(soundFormatName(format), false));
  quip::Dictionary options;
  if (format == SOUND_CAFF && caffSampleRate != 8000)
    setNumber(options, keys().sampleRate, caffSampleRate);
  if (format == SOUND_OGG) {
    if (oggQuality != 30)
      setNumber(options, keys().quality, oggQuality);
    if (oggSampleRate != 8000)
      setNumber(options, keys().sampleRate, oggSampleRate);
  }
  if (format == SOUND_CAFF || format == SOUND_OGG)
    putSection(d, soundFormatName(format), options);
}

void SoundOptions::read(const quip::Dictionary &d) {
  format = formatIn(d, soundFormatFromName, format);
  const quip::Dictionary *options = section(d, soundFormatName(format));
  if (!options)
    return;
  if (format == SOUND_CAFF) {
    readNumber(*options, keys().sampleRate, caffSampleRate);
  } else if (format == SOUND_OGG) {
    readNumber(*options, keys().quality, oggQuality);
    oggQuality = std::min(oggQuality, 100u);
    readNumber(*options, keys().sampleRate, oggSampleRate);
  }
}

void TextureOptions::write(quip::Dictionary &d) const {
  if (format != TEXTURE_JPEG)
    d.set(keys().format, quip::Token(textureFormatName(format), false));
  quip::Dictionary options;
  if (format == TEXTURE_PVR || format == TEXTURE_PNG) {
    const uint32_t bits = format == TEXTURE_PVR ? pvrBitsPerPixel : pngBitsPerPixel;
    const bool perceptual = format == TEXTURE_PVR ? pvrPerceptual : pngPerceptual;
    if (bits != 4)
      setNumber(options, keys().bitsPerPixel, bits);
    if (!perceptual)
      options.set(keys().perceptual, quip::toToken(false));
  } else if (format == TEXTURE_JPEG) {
    if (jpegColorQuality != 90)
      setNumber(options, keys().colorQuality, jpegColorQuality);
    if (jpegAlphaQuality != 60)
      setNumber(options, keys().alphaQuality, jpegAlphaQuality);
  }
  if (format != TEXTURE_ULV && format < TEXTURE_FORMAT_COUNT)
    putSection(d, textureFormatName(format), options);
}

void TextureOptions::read(const quip::Dictionary &d) {
  format = formatIn(d, textureFormatFromName, format);
  const quip::Dictionary *options = section(d, textureFormatName(format));
  if (!options)
    return;
  if (format == TEXTURE_PVR) {
    readNumber(*options, keys().bitsPerPixel, pvrBitsPerPixel);
    readBool(*options, keys().perceptual, pvrPerceptual);
  } else if (format == TEXTURE_PNG) {
    readNumber(*options, keys().bitsPerPixel, pngBitsPerPixel);
    readBool(*options, keys().perceptual, pngPerceptual);
  } else if (format == TEXTURE_JPEG) {
    readNumber(*options, keys().colorQuality, jpegColorQuality);
    readNumber(*options, keys().alphaQuality, jpegAlphaQuality);
    jpegColorQuality = std::min(jpegColorQuality, 100u);
    jpegAlphaQuality = std::min(jpegAlphaQuality, 100u);
  }
}

SoundOptions defaultSoundOptions(uint32_t target) {
  SoundOptions options;
  if (target == TARGET_IOS_SMALL || target == TARGET_IOS_MEDIUM)
    options.format = SOUND_CAFF;
  return options;
}

TextureOptions defaultTextureOptions(uint32_t target) {
  TextureOptions options;
  if (target == TARGET_IOS_SMALL)
    options.format = TEXTURE_ULV;
  return options;
}

int pixelFormatFor(const TextureOptions &options, bool opaque) {
  switch (options.format) {
  case TEXTURE_PNG:
    return PixelBuffer::RGBA8888;
  case TEXTURE_JPEG:
    return opaque ? PixelBuffer::RGB888 : PixelBuffer::RGBA8888;
  case TEXTURE_ULV:
    return opaque ? PixelBuffer::RGB565 : PixelBuffer::RGBA4444;
  default:
    return PixelBuffer::NONE;
  }
}

} // namespace media
