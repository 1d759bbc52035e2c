#pragma once
// Saving a file whole or not at all. The bytes go to a temporary file beside
// the target; commit checks every write and the close, flushes the file to
// the disk and renames it over the target. On any failure the temporary is
// removed, the old file stays as it was, and the failure is reported.
// Every file the system saves goes through here; none is opened for writing
// under its own name.

#include "file/NonCopyable.h"
#include "xstring/String.h"

#include <cstddef>
#include <cstdio>

namespace file {

class AtomicSave : public NonCopyable {
public:
  // Creates the temporary. With reportFailure false a failure only shows in
  // commit's result.
  explicit AtomicSave(const String &path, bool reportFailure = true);
  // Without a successful commit the temporary is removed and the target untouched.
  ~AtomicSave();

  // The temporary's stream for formatted writers, or null when it could not be
  // created. A write that fails sets the stream's error flag, which commit checks.
  FILE *file() const { return m_file; }
  // Short writes are remembered; false once anything failed.
  bool write(const void *bytes, size_t count);
  // Gives the save up: commit will fail with the reason.
  void fail(const String &reason);
  // True when the whole file now stands under the target's name.
  bool commit();

private:
  bool abandon(const String &reason);
  void removeTemporary();

  String m_path;
  String m_temporary;
  FILE *m_file = nullptr;
  String m_failure;
  bool m_report;
};

// The one-call form: the bytes saved whole under path, or false (reported).
bool saveWhole(const String &path, const void *bytes, size_t count, bool reportFailure = true);

} // namespace file
