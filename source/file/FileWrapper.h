#pragma once
// An open standard-library file as a byte stream; it owns the FILE and closes
// it. A short read or write and a failed seek end the program through an
// assertion: callers that may meet a missing file open it with mustOpen false
// and test file().

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"

#include <cstdio>

namespace file {

class FileWrapper : public ByteReceiver, public ByteProducer, public NonCopyable {
public:
  FileWrapper() = default;
  FileWrapper(const String &path, const String &mode, bool mustOpen);
  // Adopts the file; its size is measured on first use.
  explicit FileWrapper(FILE *file) : m_file(file) {}
  ~FileWrapper() override;

  bool open(const String &path, const String &mode);
  // False when buffered bytes could not be written out.
  bool close();
  FILE *file() const { return m_file; }
  bool hasFile() const { return m_file != nullptr; }
  // Measured once and cached until the next write.
  uint32_t size();

  void seek(uint32_t position) override;
  uint32_t tell() override;
  uint32_t bytesRemaining() override;
  void produceBytes(void *destination, uint32_t count) override;
  void receiveBytes(const void *source, uint32_t count) override;

private:
  void measureSize(const char *function);

  FILE *m_file = nullptr;
  bool m_sizeKnown = false;
  uint32_t m_size = 0;
};

} // namespace file
