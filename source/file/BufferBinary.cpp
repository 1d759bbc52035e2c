#include "file/BufferBinary.h"

#include "error/Assert.h"
#include "file/AtomicSave.h"
#include "file/Path.h"

#include <cstring>

namespace file {

void BufferBinary::receiveBytes(const void *source, uint32_t count) {
  if (count == 0)
    return;
  uint64_t end = uint64_t(m_position) + count;
  CORVANE_ASSERT_MSG(end <= UINT32_MAX, L"byte buffer larger than 4 GiB");
  uint32_t size = m_buffer.size();
  if (m_buffer.capacity() < end) {
    uint64_t grown = 2 * uint64_t(m_buffer.capacity());
    if (grown < end || grown > UINT32_MAX)
      grown = end;
    m_buffer.reserve(uint32_t(grown));
  }
  // Bytes skipped by a seek past the end read as 0, not as stale storage.
  if (m_position > size)
    std::memset(m_buffer.data() + size, 0, m_position - size);
  std::memcpy(m_buffer.data() + m_position, source, count);
  if (end > size)
    m_buffer.setSize(uint32_t(end));
  m_position = uint32_t(end);
}

void BufferBinary::produceBytes(void *destination, uint32_t count) {
  if (count == 0)
    return;
  uint32_t available = bytesRemaining();
  if (count <= available) {
    std::memcpy(destination, m_buffer.data() + m_position, count);
    m_position += count;
    return;
  }
  if (available)
    std::memcpy(destination, m_buffer.data() + m_position, available);
  std::memset(static_cast<unsigned char *>(destination) + available, 0, count - available);
  m_overrun = true;
  if (m_position < m_buffer.size())
    m_position = m_buffer.size();
}

bool BufferBinary::open(const String &path) {
  m_buffer.clear();
  m_position = 0;
  m_overrun = false;
  FILE *file = openFile(path, L"rb");
  if (!file)
    return false;
  long fileSize = -1;
  if (fseek(file, 0, SEEK_END) == 0)
    fileSize = ftell(file);
  // A directory or a stream without a size cannot be loaded whole.
  if (fileSize < 0 || uint64_t(fileSize) > UINT32_MAX || fseek(file, 0, SEEK_SET) != 0) {
    fclose(file);
    return false;
  }
  m_buffer.reserve(uint32_t(fileSize));
  CORVANE_ASSERT_TEXT(
      fread(m_buffer.data(), sizeof(unsigned char), (size_t)fileSize, file) == (size_t)fileSize,
      L"fread( m_buffer.data(), sizeof( unsigned char ), (size_t) fileSize, file ) == (size_t) "
      L"fileSize");
  m_buffer.setSize(uint32_t(fileSize));
  fclose(file);
  return true;
}

void BufferBinary::writeToFile(FILE *file) const {
  size_t result = m_buffer.size() ? fwrite(m_buffer.data(), 1, m_buffer.size(), file) : 0;
  CORVANE_ASSERT_TEXT(result == (size_t)m_buffer.size(), L"result == (size_t) m_buffer.size()");
}

bool BufferBinary::writeFile(const String &path, const char *mode, const char *function) const {
  FILE *file = openFile(path, String(mode));
  if (!file)
    return false;
  size_t result = m_buffer.size() ? fwrite(m_buffer.data(), 1, m_buffer.size(), file) : 0;
  if (result != (size_t)m_buffer.size())
    error::assertFailed(L"result == (size_t) m_buffer.size()", __FILE__, __LINE__, function,
                        nullptr);
  // Buffered bytes may only fail to reach the disk here.
  return fclose(file) == 0;
}

// Whole or not at all: a full disk leaves the old file and returns false.
bool BufferBinary::save(const String &path) const {
  return saveWhole(path, m_buffer.data(), m_buffer.size());
}

bool BufferBinary::appendToFile(const String &path) const {
  return writeFile(path, "ab", __func__);
}

bool BufferBinary::copyFile(const String &from, const String &to) {
  BufferBinary buffer;
  if (!buffer.open(from))
    return false;
  return buffer.save(to);
}

void BufferBinary::clear() {
  m_buffer.clear();
  m_position = 0;
  m_overrun = false;
}

void BufferBinary::releaseStorage() {
  m_buffer.release();
  m_position = 0;
  m_overrun = false;
}

void BufferBinary::resize(uint32_t n) {
  uint32_t size = m_buffer.size();
  if (n > size) {
    m_buffer.reserve(n);
    std::memset(m_buffer.data() + size, 0, n - size);
  }
  m_buffer.setSize(n);
  if (m_position > n)
    m_position = n;
}

bool BufferBinary::peekByte(unsigned char &out) const {
  if (m_position >= m_buffer.size())
    return false;
  out = m_buffer[m_position];
  return true;
}

bool BufferBinary::nextByte(unsigned char &out) {
  if (!peekByte(out))
    return false;
  ++m_position;
  return true;
}

void BufferBinary::adopt(unsigned char *bytes, uint32_t n) {
  m_buffer.adopt(bytes, n);
  m_position = n;
  m_overrun = false;
}

unsigned char *BufferBinary::detach() {
  m_position = 0;
  m_overrun = false;
  return m_buffer.detach();
}

} // namespace file
