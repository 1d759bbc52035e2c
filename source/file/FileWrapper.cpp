#include "file/FileWrapper.h"

#include "error/Assert.h"
#include "file/Path.h"

namespace file {

namespace {
void check(bool ok, const wchar_t *text, int line, const char *function) {
  if (!ok)
    error::assertFailed(text, __FILE__, line, function, nullptr);
}
} // namespace

FileWrapper::FileWrapper(const String &path, const String &mode, bool mustOpen) {
  open(path, mode);
  if (mustOpen)
    CORVANE_ASSERT_TEXT_MSG(hasFile(), L"hasFile()", path);
}

FileWrapper::~FileWrapper() { close(); }

bool FileWrapper::open(const String &path, const String &mode) {
  close();
  m_file = openFile(path, mode);
  return m_file != nullptr;
}

bool FileWrapper::close() {
  bool closed = !m_file || fclose(m_file) == 0;
  m_file = nullptr;
  m_sizeKnown = false;
  m_size = 0;
  return closed;
}

void FileWrapper::measureSize(const char *function) {
  if (m_sizeKnown)
    return;
  long current = ftell(m_file);
  check(!fseek(m_file, 0, SEEK_END), L"!fseek( m_file, 0, SEEK_END )", __LINE__, function);
  long end = ftell(m_file);
  check(!fseek(m_file, current, SEEK_SET), L"!fseek( m_file, current, SEEK_SET )", __LINE__,
        function);
  m_size = end < 0 ? 0 : uint32_t(end);
  m_sizeKnown = true;
}

uint32_t FileWrapper::size() {
  if (!m_file)
    return 0;
  measureSize(__func__);
  return m_size;
}

uint32_t FileWrapper::bytesRemaining() {
  if (!m_file)
    return 0;
  measureSize(__func__);
  long position = ftell(m_file);
  if (position < 0 || uint32_t(position) >= m_size)
    return 0;
  return m_size - uint32_t(position);
}

void FileWrapper::seek(uint32_t position) {
  long offset = long(position);
  // Without a file every access fails the same assertion instead of crashing.
  CORVANE_ASSERT_TEXT(file() && !fseek(file(), offset, SEEK_SET),
                      L"!fseek( file(), offset, SEEK_SET )");
}

uint32_t FileWrapper::tell() { return m_file ? uint32_t(ftell(m_file)) : 0; }

void FileWrapper::produceBytes(void *destination, uint32_t count) {
  if (count == 0)
    return;
  size_t numBytes = count;
  CORVANE_ASSERT_TEXT(file() && fread(destination, 1, numBytes, file()) == numBytes,
                      L"fread( destination, 1, numBytes, file() ) == numBytes");
}

void FileWrapper::receiveBytes(const void *source, uint32_t count) {
  if (count == 0)
    return;
  size_t numBytes = count;
  CORVANE_ASSERT_TEXT(file() && fwrite(source, 1, numBytes, file()) == numBytes,
                      L"fwrite( source, 1, numBytes, file() ) == numBytes");
  m_sizeKnown = false;
}

} // namespace file
