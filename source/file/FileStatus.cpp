#include "file/FileStatus.h"

#include "file/Path.h"

#include <cstdio>
#include <sys/stat.h>
#include <sys/time.h>

namespace file {

namespace {
bool status(const String &path, struct stat &out) {
  container::Vector<char> name;
  systemPath(path, name);
  return stat(name.data(), &out) == 0;
}
} // namespace

bool exists(const String &path) {
  struct stat st;
  return status(path, st);
}

bool isDirectory(const String &path) {
  struct stat st;
  return status(path, st) && S_ISDIR(st.st_mode);
}

bool makeDirectory(const String &path) {
  container::Vector<char> name;
  systemPath(path, name);
  return mkdir(name.data(), 0755) == 0;
}

bool removeFile(const String &path) {
  container::Vector<char> name;
  systemPath(path, name);
  return remove(name.data()) == 0;
}

bool touch(const String &path) {
  container::Vector<char> name;
  systemPath(path, name);
  return utimes(name.data(), nullptr) == 0;
}

bool modificationTime(const String &path, time_t &out) {
  struct stat st;
  if (!status(path, st))
    return false;
  out = st.st_mtime;
  return true;
}

bool fileSize(const String &path, unsigned int &out) {
  struct stat st;
  if (!status(path, st))
    return false;
  out = (unsigned int)st.st_size;
  return true;
}

} // namespace file
