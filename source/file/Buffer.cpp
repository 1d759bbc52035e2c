#include "file/Buffer.h"

#include "error/Assert.h"
#include "file/Path.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace file {

namespace {
const uint32_t LittleEndianMark = 0xFEFF;
const uint32_t SwappedMark = 0xFFFE;
} // namespace

bool Buffer::open(const String &path) {
  m_characters.clear();
  m_position = 0;
  m_loaded = false;
  FILE *file = openFile(path, L"rb");
  if (!file)
    return false;
  long fileBytes = -1;
  if (fseek(file, 0, SEEK_END) == 0)
    fileBytes = ftell(file);
  // A directory or a stream without a size is no text file.
  if (fileBytes < 0 || uint64_t(fileBytes) > UINT32_MAX || fseek(file, 0, SEEK_SET) != 0) {
    fclose(file);
    return false;
  }

  uint32_t mark = 0;
  if (fileBytes >= 4 && fread(&mark, 4, 1, file) == 1 &&
      (mark == LittleEndianMark || mark == SwappedMark)) {
    size_t numTChars = size_t(fileBytes - 4) / 4;
    m_characters.reserve(uint32_t(numTChars));
    static_assert(sizeof(wchar_t) == 4);
    CORVANE_ASSERT_TEXT(
        fread(m_characters.data(), sizeof(wchar_t), numTChars, file) == numTChars,
        L"fread( m_buffer.data(), sizeof( _TCHAR ), numTChars, file ) == numTChars");
    m_characters.setSize(uint32_t(numTChars));
    if (mark == SwappedMark) {
      unsigned char *bytes = reinterpret_cast<unsigned char *>(m_characters.data());
      for (size_t i = 0; i + 1 < numTChars * 4; i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    }
  } else {
    CORVANE_ASSERT_TEXT(fseek(file, 0, SEEK_SET) == 0, L"fseek( file, 0, SEEK_SET ) == 0");
    container::Vector<unsigned char> data;
    data.reserve(uint32_t(fileBytes));
    CORVANE_ASSERT_TEXT(fread(data.data(), 1, (size_t)fileBytes, file) == (size_t)fileBytes,
                        L"fread( data, 1, (size_t) fileBytes, file ) == (size_t) fileBytes");
    m_characters.reserve(uint32_t(fileBytes));
    for (uint32_t i = 0; i < uint32_t(fileBytes); ++i)
      m_characters.data()[i] = wchar_t(data[i]);
    m_characters.setSize(uint32_t(fileBytes));
  }
  fclose(file);
  m_loaded = true;
  return true;
}

bool Buffer::peek(int offset, wchar_t &out) const {
  if (!m_loaded)
    return false;
  int64_t index = int64_t(m_position) + offset - 1;
  if (index < 0 || index >= int64_t(m_characters.size()))
    return false;
  out = m_characters[uint32_t(index)];
  return true;
}

bool Buffer::next(wchar_t &out) {
  if (!peek(1, out))
    return false;
  ++m_position;
  return true;
}

bool Buffer::readLine(String &out) {
  if (!m_loaded)
    return false;
  out.resize(0);
  while (m_position < m_characters.size()) {
    wchar_t c = m_characters[m_position++];
    if (c != L'\n' && c != L'\r') {
      out.append(c);
    } else if (!out.isEmpty()) {
      break;
    }
  }
  return !out.isEmpty();
}

bool Buffer::matches(const wchar_t *text) const {
  if (!m_loaded)
    return false;
  uint32_t n = uint32_t(wcslen(text));
  if (n > m_characters.size() || m_position > m_characters.size() - n)
    return false;
  return std::wmemcmp(m_characters.data() + m_position, text, n) == 0;
}

bool Buffer::read(wchar_t *destination, uint32_t count) {
  if (!m_loaded || m_position > m_characters.size() || m_characters.size() - m_position < count)
    return false;
  if (count)
    std::wmemcpy(destination, m_characters.data() + m_position, count);
  m_position += count;
  return true;
}

void Buffer::rewind() {
  if (m_loaded)
    m_position = 0;
}

void Buffer::back(uint32_t count) { m_position = count > m_position ? 0 : m_position - count; }

String Buffer::wholeText() const {
  if (!m_loaded || m_characters.isEmpty())
    return String();
  return String(m_characters.data(), m_characters.size());
}

} // namespace file
