#include "file/AtomicSave.h"

#include "container/Vector.h"
#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/Path.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace file {

namespace {

String systemError() { return String::fromUtf8(strerror(errno)); }

String directoryOf(const String &path) {
  uint32_t slash = path.length();
  while (slash > 0 && path[slash - 1] != L'/')
    --slash;
  if (slash == 0)
    return String(L".");
  return slash == 1 ? String(L"/") : path.substring(0, slash - 1);
}

// A rename is only durable once the folder holding it is on the disk too; a
// folder that cannot be opened or flushed leaves the save as it is.
void syncDirectory(const String &path) {
  container::Vector<char> name;
  systemPath(directoryOf(path), name);
  int fd = ::open(name.data(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  fsync(fd);
  ::close(fd);
}

} // namespace

AtomicSave::AtomicSave(const String &path, bool reportFailure)
    : m_path(nativePath(path)), m_report(reportFailure) {
  // Unique among the threads and processes saving the same target.
  static std::atomic<unsigned> serial{0};
  for (int attempt = 0; attempt < 16 && !m_file; ++attempt) {
    m_temporary = String::format(L"%S.%d-%u.tmp", m_path.c_str(), int(getpid()), serial++);
    container::Vector<char> name;
    systemPath(m_temporary, name);
    int fd = ::open(name.data(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST)
        continue;
      break;
    }
    m_file = fdopen(fd, "wb");
    if (!m_file) {
      ::close(fd);
      unlink(name.data());
    }
  }
  if (!m_file) {
    m_failure = systemError();
    m_temporary = String();
  }
}

AtomicSave::~AtomicSave() {
  if (m_file) {
    fclose(m_file);
    removeTemporary();
  }
}

bool AtomicSave::write(const void *bytes, size_t count) {
  if (!m_file || !m_failure.isEmpty())
    return false;
  if (count && fwrite(bytes, 1, count, m_file) != count) {
    m_failure = systemError();
    return false;
  }
  return true;
}

void AtomicSave::fail(const String &reason) {
  if (m_failure.isEmpty())
    m_failure = reason;
}

bool AtomicSave::commit() {
  if (!m_file)
    return abandon(m_failure.isEmpty() ? String(L"not open") : m_failure);
  if (!m_failure.isEmpty())
    return abandon(m_failure);
  // Buffered bytes reach the file only here, so every step is checked.
  if (ferror(m_file) || fflush(m_file) != 0)
    return abandon(systemError());
  if (fsync(fileno(m_file)) != 0)
    return abandon(systemError());
  int closed = fclose(m_file);
  m_file = nullptr;
  if (closed != 0)
    return abandon(systemError());
  container::Vector<char> from, to;
  systemPath(m_temporary, from);
  systemPath(m_path, to);
  if (rename(from.data(), to.data()) != 0)
    return abandon(systemError());
  m_temporary = String();
  syncDirectory(m_path);
  return true;
}

void AtomicSave::removeTemporary() {
  if (m_temporary.isEmpty())
    return;
  container::Vector<char> name;
  systemPath(m_temporary, name);
  unlink(name.data());
  m_temporary = String();
}

bool AtomicSave::abandon(const String &reason) {
  if (m_file) {
    fclose(m_file);
    m_file = nullptr;
  }
  removeTemporary();
  if (m_report)
    framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"save",
                             String(L"Cannot save ") + m_path + L": " + reason +
                                 L"; the previous file is kept");
  return false;
}

bool saveWhole(const String &path, const void *bytes, size_t count, bool reportFailure) {
  AtomicSave save(path, reportFailure);
  save.write(bytes, count);
  return save.commit();
}

} // namespace file
