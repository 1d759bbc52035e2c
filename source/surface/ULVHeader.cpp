#include "surface/ULVHeader.h"

#include "file/BinaryPrimitives.h"

void ULVHeader::read(file::ByteProducer &in) {
  unsigned char f = PixelBuffer::NONE;
  file::read(f, in);
  format = f;
  file::read(width, in);
  file::read(height, in);
  file::read(mipmapped, in);
}

void ULVHeader::write(file::ByteReceiver &out) const {
  file::write((unsigned char)format, out);
  file::write(width, out);
  file::write(height, out);
  file::write(mipmapped, out);
}
