#include "file/Path.h"

#include <unistd.h>

namespace file {

String nativePath(const String &path) {
  String out(path);
  out.replace(L'\\', L'/');
  return out;
}

void systemPath(const String &path, container::Vector<char> &out) { nativePath(path).toUtf8(out); }

FILE *openFile(const String &path, const String &mode) {
  container::Vector<char> name, how;
  systemPath(path, name);
  mode.toUtf8(how);
  return fopen(name.data(), how.data());
}

void closeFile(FILE *file) {
  if (file)
    fclose(file);
}

String currentDirectory() {
  char buffer[4096];
  if (!getcwd(buffer, sizeof buffer))
    return String();
  return String::fromUtf8(buffer);
}

String absolutePath(const String &path) {
  if (path.at(0) == L'/')
    return path;
  return currentDirectory() + L"/" + path;
}

} // namespace file
