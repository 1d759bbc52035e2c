// Paths, directory listings and database queries. The platform has one
// file-system root, so the drive helpers always answer "/".

#include "quip/builtins/PathBuiltins.h"

#include "file/Database.h"
#include "file/Path.h"
#include "file/PosixDirectory.h"
#include "quip/Builtin.h"

#include <dirent.h>

namespace quip {

namespace {

// A literal array of the names, each an executable symbol.
void pushNames(Interpreter *in, const container::Vector<Symbol> &names) {
  Array result(names.size());
  for (uint32_t i = 0; i < names.size(); ++i)
    result[i] = Token(names[i], true);
  in->push(Token(result, false));
}

// The base library's listings assert on a directory they cannot read; a
// script asking for one gets an empty list instead.
bool canList(const String &directory) {
  container::Vector<char> bytes;
  directory.toUtf8(bytes);
  DIR *dir = opendir(bytes.isEmpty() ? "" : bytes.data());
  if (!dir)
    return false;
  closedir(dir);
  return true;
}

} // namespace

void builtin_databasePath(Interpreter *in, int *error) {
  Token name;
  if (!popArgument(in, error, "builtin_databasePath", L"name", TYPE_SYMBOL, name))
    return;
  Database *database = Database::find(name.symbol());
  if (!database) {
    builtinError(in, error, "builtin_databasePath",
                 String(L"no database named ") + name.symbol().text());
    return;
  }
  in->push(Token(database->path()));
}

// With no current database the answer is the empty symbol.
void builtin_defaultDatabase(Interpreter *in, int *) {
  Database *database = Database::current();
  in->push(Token(database ? database->name() : Symbol::emptySymbol(), false));
}

void builtin_pathSeparator(Interpreter *in, int *) { in->push(Token(L"/")); }

void builtin_absolutePath(Interpreter *in, int *error) {
  Token path;
  if (!popArgument(in, error, "builtin_absolutePath", L"relativePath", TYPE_STRING, path))
    return;
  in->push(Token(file::absolutePath(path.string())));
}

void builtin_driveFromPath(Interpreter *in, int *error) {
  Token path;
  if (!popArgument(in, error, "builtin_driveFromPath", L"path", TYPE_STRING, path))
    return;
  String absolute = file::absolutePath(path.string());
  if (absolute[0] == L'/')
    in->push(Token(L"/"));
  else
    in->push(Token(absolute.substring(0, absolute.length() < 3 ? absolute.length() : 3)));
}

void builtin_listFiles(Interpreter *in, int *error) {
  Token filter, path;
  if (!popArgument(in, error, "builtin_listFiles", L"filter", TYPE_STRING, filter))
    return;
  if (!popArgument(in, error, "builtin_listFiles", L"path", TYPE_STRING, path))
    return;
  container::Vector<Symbol> names;
  if (canList(path.string()))
    file::listFiles(path.string(), filter.string(), names);
  pushNames(in, names);
}

void builtin_listSubdirectories(Interpreter *in, int *error) {
  Token path;
  if (!popArgument(in, error, "builtin_listSubdirectories", L"path", TYPE_STRING, path))
    return;
  container::Vector<Symbol> names;
  if (canList(path.string()))
    file::listSubdirectories(path.string(), names);
  pushNames(in, names);
}

void builtin_listDrives(Interpreter *in, int *) { pushNames(in, file::listDrives()); }

} // namespace quip
