#include "surface/SaveWhole.h"

#include "container/Vector.h"
#include "file/Path.h"

#include <cstdio>
#include <unistd.h>

SaveResult saveWholeFile(const String &path, const void *bytes, uint32_t count) {
  const String temporary = path + L".tmp";
  FILE *file = file::openFile(temporary, String(L"wb"));
  if (!file)
    return SaveResult::OpenFailed;
  bool ok = (count == 0 || fwrite(bytes, 1, count, file) == count);
  ok = (fflush(file) == 0) && ok;
  ok = (fsync(fileno(file)) == 0) && ok;
  ok = (fclose(file) == 0) && ok;
  container::Vector<char> from, to;
  file::systemPath(temporary, from);
  file::systemPath(path, to);
  if (!ok || rename(from.data(), to.data()) != 0) {
    remove(from.data());
    return SaveResult::WriteFailed;
  }
  return SaveResult::Saved;
}

bool saveWhole(const String &path, const void *bytes, uint32_t count) {
  return saveWholeFile(path, bytes, count) == SaveResult::Saved;
}
