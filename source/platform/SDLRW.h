#pragma once
// The byte-stream interfaces over an SDL_RWops file stream, so that a file
// opened here can be read as a byte producer and also handed to SDL and
// SDL_mixer as it is (the sound bank is both).
//
// A short read delivers zeros for the missing bytes and sets the overrun
// flag, and a failed seek sets it too: a damaged file is the reader's to
// reject, never the end of the program. A short write sets writeFailed.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"

#include <cstdint>

struct SDL_RWops;

class SDLRW : public file::ByteReceiver, public file::ByteProducer, private NonCopyable {
public:
  SDLRW() = default;
  // With required set, a file that does not open is the assertion "hasRW()".
  SDLRW(const String &path, const String &mode, bool required);
  ~SDLRW() override;

  // Closes any open stream first; true when the file opened.
  bool open(const String &path, const String &mode);
  void close();
  bool hasRW() const { return m_rw != nullptr; }
  SDL_RWops *rw() const { return m_rw; }
  // Measured once and kept until the next write; 0 without a stream.
  uint32_t length();

  void seek(uint32_t offset) override;
  uint32_t tell() override;
  uint32_t bytesRemaining() override;
  void produceBytes(void *destination, uint32_t n) override;
  void receiveBytes(const void *source, uint32_t n) override;

  bool overrun() const override { return m_overrun; }
  void clearOverrun() { m_overrun = false; }
  bool writeFailed() const { return m_writeFailed; }

private:
  SDL_RWops *m_rw = nullptr;
  bool m_sizeKnown = false;
  uint32_t m_size = 0;
  bool m_overrun = false;
  bool m_writeFailed = false;
};
