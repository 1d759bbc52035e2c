#include "file/PosixDirectory.h"

#include "error/Assert.h"

#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/stat.h>

namespace {

// An entry whose status cannot be read counts as both a file and a directory.
enum Kind { Regular, Directory, Unknown };

Kind kindOf(const container::Vector<char> &directory, const char *name) {
  std::string path = std::string(directory.data()) + "/" + name;
  struct stat st;
  if (stat(path.c_str(), &st) != 0)
    return Unknown;
  return S_ISDIR(st.st_mode) ? Directory : Regular;
}

// Reads the directory sorted by name and hands each entry to keep; the
// assertion names the calling function.
template <typename Keep>
void scan(const String &directory, const char *function, container::Vector<Symbol> &out,
          Keep keep) {
  out.clear();
  container::Vector<char> dir;
  directory.toUtf8(dir);
  dirent **entries = nullptr;
  int n = scandir(dir.data(), &entries, nullptr, alphasort);
  if (!(n >= 0 && "scandir failure"))
    error::assertFailed(L"n >= 0 && \"scandir failure\"", __FILE__, __LINE__, function,
                        directory.c_str());
  for (int i = 0; i < n; ++i) {
    const char *name = entries[i]->d_name;
    if (keep(kindOf(dir, name), name))
      out.push(Symbol::intern(String::fromUtf8(name)));
    free(entries[i]);
  }
  free(entries);
}

} // namespace

bool PosixDirectory::matchesPattern(const String &name, const String &pattern) {
  if (pattern.isEmpty())
    return true;
  String text = pattern;
  bool leadingStar = text.at(0) == L'*';
  if (leadingStar)
    text = text.substring(1, text.length() - 1);
  bool trailingStar = false;
  int star = text.reverseFind(L'*');
  if (star >= 0) {
    text.resize(uint32_t(star));
    trailingStar = true;
  }
  if (text.isEmpty())
    return true;
  int index = name.find(text);
  if (index < 0)
    return false;
  if (!leadingStar && index != 0)
    return false;
  if (trailingStar)
    return true;
  return uint32_t(index) + text.length() + 1 >= name.length();
}

bool PosixDirectory::matchesFilter(const String &name, const String &filter) {
  container::Vector<String> patterns;
  filter.split(L",", patterns);
  if (patterns.isEmpty())
    return true;
  for (const String &pattern : patterns)
    if (matchesPattern(name, pattern))
      return true;
  return false;
}

void PosixDirectory::listFiles(const String &directory, const String &filter,
                               container::Vector<Symbol> &out) {
  scan(directory, __func__, out, [&](Kind kind, const char *name) {
    return kind != Directory && matchesFilter(String::fromUtf8(name), filter);
  });
}

void PosixDirectory::listSubdirectories(const String &directory, container::Vector<Symbol> &out) {
  scan(directory, __func__, out, [](Kind kind, const char *) { return kind != Regular; });
}

namespace file {

void listFiles(const String &directory, const String &filter, container::Vector<Symbol> &out) {
  PosixDirectory::listFiles(directory, filter, out);
}

void listSubdirectories(const String &directory, container::Vector<Symbol> &out) {
  PosixDirectory::listSubdirectories(directory, out);
}

container::Vector<Symbol> listDrives() {
  container::Vector<Symbol> drives;
  drives.push(Symbol::intern(L"/"));
  return drives;
}

} // namespace file
