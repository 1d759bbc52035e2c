// File queries: whether a path exists, and whether a script exists as source
// or as the compiled value file beside it.

#include "quip/builtins/FileQueryBuiltins.h"

#include "file/FileStatus.h"
#include "quip/Builtin.h"

namespace quip {

void builtin_fileExists(Interpreter *in, int *error) {
  Token path;
  if (!popArgument(in, error, "builtin_fileExists", L"file", TYPE_STRING, path))
    return;
  in->push(boolToken(file::exists(path.string())));
}

void builtin_quipFileExists(Interpreter *in, int *error) {
  Token path;
  if (!popArgument(in, error, "builtin_quipFileExists", L"file", TYPE_STRING, path))
    return;
  const String &text = path.string();
  in->push(boolToken(file::exists(text) || file::exists(text + L".bin")));
}

} // namespace quip
