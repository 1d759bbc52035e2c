#pragma once
// A sink of bytes. Every binary file of the system is written through one.

#include <cstdint>

namespace file {

class ByteReceiver {
public:
  virtual ~ByteReceiver() = default;
  virtual void seek(uint32_t position) = 0;
  virtual uint32_t tell() = 0;
  virtual void receiveBytes(const void *source, uint32_t count) = 0;
};

} // namespace file
