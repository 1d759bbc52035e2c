#include "math/HeightMap.h"

#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/FileWrapper.h"

#include <cstdint>

// Version (u8, 1), nx and nz (u32), the heights row by row (row i holds
// (i, 0) to (i, nz - 1)), then one byte per cell for its diagonal.

void HeightMap::write(file::ByteReceiver &out) const {
  file::write((unsigned char)1, out);
  file::write((unsigned int)m_size.width, out);
  file::write((unsigned int)m_size.height, out);
  for (int i = 0; i < m_size.width && m_size.height > 0; ++i)
    out.receiveBytes(m_heights.data() + point(i, 0), uint32_t(m_size.height) * 4);
  for (int i = 0; m_cells.size() != 0 && i + 1 < m_size.width; ++i)
    for (int j = 0; j + 1 < m_size.height; ++j)
      file::write(cell(i, j).diagonal, out);
}

// The counts are checked against the limit and the bytes that follow before
// anything is allocated, so a damaged or truncated file cannot ask for a huge
// grid or run the stream dry.
bool HeightMap::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 9)
    return false;
  unsigned char version = 0;
  unsigned int nx = 0, nz = 0;
  file::read(version, in);
  file::read(nx, in);
  file::read(nz, in);
  if (nx > INT32_MAX || nz > INT32_MAX)
    return false;
  if (uint64_t(nx) * nz > MaxPoints) {
    framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"read",
                             String::format(L"Height map of %u x %u points is too large (at most "
                                            L"%u points); not read",
                                            nx, nz, unsigned(MaxPoints)));
    return false;
  }
  const uint64_t cells = nx > 1 && nz > 1 ? uint64_t(nx - 1) * uint64_t(nz - 1) : 0;
  const uint64_t needed = uint64_t(nx) * uint64_t(nz) * 4 + cells;
  if (needed > in.bytesRemaining())
    return false;

  resize(math::Size2i(int32_t(nx), int32_t(nz)));
  for (int i = 0; i < m_size.width && m_size.height > 0; ++i)
    in.produceBytes(m_heights.data() + point(i, 0), uint32_t(m_size.height) * 4);
  for (int i = 0; m_cells.size() != 0 && i + 1 < m_size.width; ++i)
    for (int j = 0; j + 1 < m_size.height; ++j)
      file::read(cell(i, j).diagonal, in);
  rebuildVertices();
  rebuildAll();
  return true;
}

bool HeightMap::save(const String &path) const {
  file::BufferBinary bytes;
  write(bytes);
  return bytes.save(path);
}

bool HeightMap::load(const String &path) {
  file::FileWrapper in;
  if (!in.open(path, String(L"rb")))
    return false;
  return read(in);
}
