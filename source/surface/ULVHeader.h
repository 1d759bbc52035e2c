#pragma once
// The 10-byte header of a ULV raw image: format, width, height, mipmapped.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "surface/PixelBuffer.h"

#include <cstdint>

struct ULVHeader {
  int format = PixelBuffer::NONE;
  uint32_t width = 0;
  uint32_t height = 0;
  bool mipmapped = false;

  void read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
};
