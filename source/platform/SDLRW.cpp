#include "platform/SDLRW.h"

#include "error/Assert.h"
#include "file/Path.h"

#include <SDL.h>

#include <cstring>

SDLRW::SDLRW(const String &path, const String &mode, bool required) {
  open(path, mode);
  if (required)
    CORVANE_ASSERT_TEXT_MSG(hasRW(), L"hasRW()", path);
}

SDLRW::~SDLRW() { close(); }

bool SDLRW::open(const String &path, const String &mode) {
  close();
  container::Vector<char> name, how;
  file::systemPath(path, name);
  mode.toUtf8(how);
  m_rw = SDL_RWFromFile(name.data(), how.data());
  return m_rw != nullptr;
}

void SDLRW::close() {
  if (m_rw)
    SDL_RWclose(m_rw);
  m_rw = nullptr;
  m_sizeKnown = false;
  m_size = 0;
  m_overrun = false;
  m_writeFailed = false;
}

uint32_t SDLRW::length() {
  if (!m_rw)
    return 0;
  if (!m_sizeKnown) {
    int current = SDL_RWseek(m_rw, 0, RW_SEEK_CUR);
    int end = SDL_RWseek(m_rw, 0, RW_SEEK_END);
    SDL_RWseek(m_rw, current < 0 ? 0 : current, RW_SEEK_SET);
    m_size = end < 0 ? 0 : uint32_t(end);
    m_sizeKnown = true;
  }
  return m_size;
}

void SDLRW::seek(uint32_t offset) {
  // SDL takes an int offset; anything past that cannot be reached.
  if (!m_rw || offset > uint32_t(INT32_MAX) ||
      SDL_RWseek(m_rw, int(offset), RW_SEEK_SET) != int(offset))
    m_overrun = true;
}

uint32_t SDLRW::tell() {
  if (!m_rw)
    return 0;
  int at = SDL_RWseek(m_rw, 0, RW_SEEK_CUR);
  return at < 0 ? 0 : uint32_t(at);
}

uint32_t SDLRW::bytesRemaining() {
  if (!m_rw)
    return 0;
  uint32_t size = length(), at = tell();
  return at < size ? size - at : 0;
}

void SDLRW::produceBytes(void *destination, uint32_t n) {
  if (n == 0)
    return;
  int got = m_rw ? SDL_RWread(m_rw, destination, 1, int(n)) : 0;
  uint32_t read = got < 0 ? 0 : uint32_t(got);
  if (read < n) {
    memset(static_cast<char *>(destination) + read, 0, n - read);
    m_overrun = true;
  }
}

void SDLRW::receiveBytes(const void *source, uint32_t n) {
  if (n == 0)
    return;
  // The stream may have grown: measure it again when next asked.
  m_sizeKnown = false;
  int put = m_rw ? SDL_RWwrite(m_rw, source, 1, int(n)) : 0;
  if (put < 0 || uint32_t(put) < n)
    m_writeFailed = true;
}
