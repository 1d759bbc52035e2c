#pragma once
// Synthesised source sounds: canonical 16-bit PCM WAV files of a tone or a
// noise burst, with short fades so that they start and end without a click.

#include "container/Vector.h"

#include <cstdint>

namespace soundpack {

struct SoundRecipe {
  enum Kind { TONE, NOISE };
  Kind kind = TONE;
  float frequency = 440.0f; // tones only
  float seconds = 0.5f;
  uint16_t channels = 1;
  uint32_t sampleRate = 22050;
  // Of full scale, 0..1.
  float amplitude = 0.5f;
};

// The whole file, RIFF header included.
container::Vector<uint8_t> makeWav(const SoundRecipe &recipe);
// A WAV file of the given samples, interleaved when there are two channels.
container::Vector<uint8_t> wavOf(const int16_t *samples, uint32_t frames, uint16_t channels,
                                 uint32_t sampleRate);

} // namespace soundpack
