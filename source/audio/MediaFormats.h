#pragma once
// The vocabularies of the media tools: sound formats, sample layouts and
// sample rates, each by index with its name. Texture formats are the
// texture module's own table.

#include "texture/TextureFormats.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace media {

enum SoundFormat : uint32_t { SOUND_WAV, SOUND_CAFF, SOUND_OGG, SOUND_FORMAT_COUNT };
enum SampleLayout : uint32_t { MONO8, MONO16LE, STEREO8, STEREO16LE, LAYOUT_COUNT };
const uint32_t sampleRateCount = 6;

// "wav", "caff", "ogg"; also the suffixes.
Symbol soundFormatName(uint32_t format);
uint32_t soundFormatFromName(Symbol name);
// By the path's suffix, without regard to case.
uint32_t soundFormatOfPath(const String &path);

Symbol soundLayoutName(uint32_t layout);
uint32_t soundLayoutFromName(Symbol name);
// LAYOUT_COUNT for a sample size other than 8 or 16 bits.
uint32_t layoutFor(uint32_t bitsPerSample, uint32_t channels);

// 8000, 11025, 16000, 22050, 32000, 44100, named by their digits.
uint32_t sampleRate(uint32_t index);
Symbol sampleRateName(uint32_t index);
uint32_t sampleRateFromName(Symbol name);
// The index of a rate; sampleRateCount for any other.
uint32_t sampleRateIndex(uint32_t rate);

} // namespace media
