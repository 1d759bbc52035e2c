#include "SoundMaker.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <algorithm>
#include <cmath>

namespace soundpack {

container::Vector<uint8_t> wavOf(const int16_t *samples, uint32_t frames, uint16_t channels,
                                 uint32_t sampleRate) {
  const uint32_t dataSize = frames * channels * 2;
  file::BufferBinary b;
  b.receiveBytes("RIFF", 4);
  file::write(uint32_t(36 + dataSize), b);
  b.receiveBytes("WAVEfmt ", 8);
  file::write(uint32_t(16), b);
  file::write(uint16_t(1), b);
  file::write(channels, b);
  file::write(sampleRate, b);
  file::write(uint32_t(sampleRate * channels * 2), b);
  file::write(uint16_t(channels * 2), b);
  file::write(uint16_t(16), b);
  b.receiveBytes("data", 4);
  file::write(dataSize, b);
  b.receiveBytes(samples, dataSize);
  container::Vector<uint8_t> bytes;
  bytes.reserve(b.size());
  bytes.setSize(b.size());
  std::copy(b.data(), b.data() + b.size(), bytes.data());
  return bytes;
}

container::Vector<uint8_t> makeWav(const SoundRecipe &r) {
  const uint32_t frames = uint32_t(std::max(0.0f, r.seconds) * float(r.sampleRate));
  const uint16_t channels = std::clamp<uint16_t>(r.channels, 1, 2);
  container::Vector<int16_t> samples;
  samples.reserve(frames * channels + 1);
  samples.setSize(frames * channels);
  // A fixed noise sequence, so that the same recipe gives the same bytes.
  uint32_t state = 12345;
  const float fade = 0.01f * float(r.sampleRate);
  const float peak = 32767.0f * std::clamp(r.amplitude, 0.0f, 1.0f);
  for (uint32_t i = 0; i < frames; ++i) {
    float v;
    if (r.kind == SoundRecipe::NOISE) {
      state = state * 1103515245u + 12345u;
      v = float((state >> 16) & 0x7fff) / 16383.5f - 1.0f;
    } else {
      v = std::sin(2.0f * float(M_PI) * r.frequency * float(i) / float(r.sampleRate));
    }
    float edge = std::min({1.0f, float(i) / fade, float(frames - 1 - i) / fade});
    int16_t s = int16_t(std::lround(v * edge * peak));
    for (uint16_t c = 0; c < channels; ++c)
      samples[i * channels + c] = s;
  }
  return wavOf(samples.data(), frames, channels, r.sampleRate);
}

} // namespace soundpack
