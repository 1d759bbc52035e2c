#pragma once
// The engine's raw image format: a ULV header and the pixel bytes of every
// mip level in the pixel buffer's layout, so that each level can be handed
// to the graphics library as it is.

#include "file/BufferBinary.h"
#include "surface/ULVHeader.h"
#include "xstring/String.h"

class PixelBuffer;

namespace ULVLoader {

const uint32_t headerSize = 10;

// 1 without mipmaps or with a side of at most 1; else halving until either
// side reaches 1 (that level included).
uint32_t levelCount(const ULVHeader &header);
// Bytes of all levels, without the header.
uint64_t totalByteSize(const ULVHeader &header);
// False for a format outside 0-5 or a zero side.
bool isValid(const ULVHeader &header);

bool readULVInfo(const String &fileName, ULVHeader &header);
// The header and every level into the buffer, a byte-for-byte image of the
// file. A header that is not valid or announces more bytes than the
// producer holds is refused: false, nothing read past the header.
bool read(file::ByteProducer &in, ULVHeader &header, file::BufferBinary &image);
bool loadULV(const String &fileName, ULVHeader &header, file::BufferBinary &image);
// The first byte of a level inside an image filled by read.
const unsigned char *levelData(const ULVHeader &header, const file::BufferBinary &image,
                               uint32_t level);

// Converts (dithering from 8-bit sources to two-byte formats), scales each
// level from the full source and writes header and levels.
bool write(file::ByteReceiver &out, const PixelBuffer &source, int format, bool mipmapped);
bool saveULV(const String &fileName, const PixelBuffer &source, int format, bool mipmapped);

} // namespace ULVLoader
