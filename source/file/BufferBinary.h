#pragma once
// A growable in-memory byte stream with one position shared by reading and
// writing; it can load or save a whole file.
//
// Reads are bounded: a read that runs past the end copies what remains,
// zeroes the rest and sets a sticky overrun flag, so a reader of a truncated
// file sees zeros, never foreign memory, and can reject the file afterwards.

#include "container/Vector.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "xstring/String.h"

#include <cstdio>

namespace file {

class BufferBinary : public ByteReceiver, public ByteProducer {
public:
  BufferBinary() = default;

  void seek(uint32_t position) override { m_position = position; }
  uint32_t tell() override { return m_position; }
  uint32_t bytesRemaining() override {
    return m_position >= m_buffer.size() ? 0 : m_buffer.size() - m_position;
  }
  void receiveBytes(const void *source, uint32_t count) override;
  void produceBytes(void *destination, uint32_t count) override;
  bool overrun() const override { return m_overrun; }
  void clearOverrun() { m_overrun = false; }

  // Replaces the contents with the whole file; false (and empty) when it
  // cannot be opened.
  bool open(const String &path);
  // The whole buffer or nothing replaces the file; false (reported) when it
  // could not be saved, the old file then unchanged.
  bool save(const String &path) const;
  bool appendToFile(const String &path) const;
  void writeToFile(FILE *file) const;
  static bool copyFile(const String &from, const String &to);

  unsigned char *data() { return m_buffer.data(); }
  const unsigned char *data() const { return m_buffer.data(); }
  unsigned char *current() { return m_buffer.data() + m_position; }
  unsigned char *pointerAt(uint32_t offset) { return m_buffer.data() + offset; }
  uint32_t size() const { return m_buffer.size(); }
  uint32_t capacity() const { return m_buffer.capacity(); }
  void reserve(uint32_t n) { m_buffer.reserve(n); }

  // Size 0 and position 0; the storage is kept.
  void clear();
  void releaseStorage();
  // New bytes read as 0; the position is kept within the new size.
  void resize(uint32_t n);
  bool peekByte(unsigned char &out) const;
  bool nextByte(unsigned char &out);
  // Takes ownership of an array made with new[]; the position moves to its end.
  void adopt(unsigned char *bytes, uint32_t n);
  // Hands the array (made with new[]) to the caller and leaves the buffer empty.
  unsigned char *detach();

private:
  bool writeFile(const String &path, const char *mode, const char *function) const;

  container::Vector<unsigned char> m_buffer;
  uint32_t m_position = 0;
  bool m_overrun = false;
};

} // namespace file
