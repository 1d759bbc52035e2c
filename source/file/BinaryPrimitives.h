#pragma once
// Scalars in their one binary layout: the value's bytes, little-endian, with
// no padding and no tags. Each costs one virtual call and no conversion, as
// the layout is the processor's own.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"

#include <bit>

namespace file {

static_assert(std::endian::native == std::endian::little,
              "the binary layout is the in-memory layout of a little-endian processor");

inline void write(bool value, ByteReceiver &out) {
  unsigned char byte = value ? 1 : 0;
  out.receiveBytes(&byte, 1);
}
inline void write(char value, ByteReceiver &out) { out.receiveBytes(&value, 1); }
inline void write(unsigned char value, ByteReceiver &out) { out.receiveBytes(&value, 1); }
inline void write(short value, ByteReceiver &out) { out.receiveBytes(&value, 2); }
inline void write(unsigned short value, ByteReceiver &out) { out.receiveBytes(&value, 2); }
inline void write(int value, ByteReceiver &out) { out.receiveBytes(&value, 4); }
inline void write(unsigned int value, ByteReceiver &out) { out.receiveBytes(&value, 4); }
inline void write(float value, ByteReceiver &out) { out.receiveBytes(&value, 4); }
inline void write(double value, ByteReceiver &out) { out.receiveBytes(&value, 8); }

// Any non-zero byte reads as true.
inline void read(bool &value, ByteProducer &in) {
  unsigned char byte = 0;
  in.produceBytes(&byte, 1);
  value = byte != 0;
}
inline void read(char &value, ByteProducer &in) { in.produceBytes(&value, 1); }
inline void read(unsigned char &value, ByteProducer &in) { in.produceBytes(&value, 1); }
inline void read(short &value, ByteProducer &in) { in.produceBytes(&value, 2); }
inline void read(unsigned short &value, ByteProducer &in) { in.produceBytes(&value, 2); }
inline void read(int &value, ByteProducer &in) { in.produceBytes(&value, 4); }
inline void read(unsigned int &value, ByteProducer &in) { in.produceBytes(&value, 4); }
inline void read(float &value, ByteProducer &in) { in.produceBytes(&value, 4); }
inline void read(double &value, ByteProducer &in) { in.produceBytes(&value, 8); }

static_assert(sizeof(short) == 2 && sizeof(int) == 4 && sizeof(float) == 4 && sizeof(double) == 8);

} // namespace file
