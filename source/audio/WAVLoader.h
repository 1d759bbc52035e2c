#pragma once
// The sound tools' reader of source sounds: canonical 44-byte RIFF WAV
// headers and their sample data. The running program plays WAV data through
// the mixer instead.

#include "container/Vector.h"
#include "file/ByteProducer.h"
#include "xstring/String.h"

#include <cstdint>

namespace WAVLoader {

// The layout and sample rate of a wav file; false for other formats and for
// a file that does not open (reported) or is shorter than its header.
bool loadInfo(const String &path, uint32_t &layout, uint32_t &sampleRate);
// Header and sample data of a wav stream; the data size is bounded by the
// bytes that remain. caff and ogg read nothing.
bool load(uint32_t format, file::ByteProducer &in, container::Vector<uint8_t> &bytes,
          uint32_t &layout, uint32_t &sampleRate);

} // namespace WAVLoader
