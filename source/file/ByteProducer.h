#pragma once
// A source of bytes. Every binary file of the system is read through one.

#include <cstdint>

namespace file {

class ByteProducer {
public:
  virtual ~ByteProducer() = default;
  virtual void seek(uint32_t position) = 0;
  virtual uint32_t tell() = 0;
  virtual uint32_t bytesRemaining() = 0;
  virtual void produceBytes(void *destination, uint32_t count) = 0;
  // True once a read asked for more bytes than there were; the missing bytes
  // read as 0. Readers of a file test it to reject a truncated one. Producers
  // that cannot run short (they end the program instead) keep it false.
  virtual bool overrun() const { return false; }
};

} // namespace file
