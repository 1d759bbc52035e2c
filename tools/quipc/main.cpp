// quipc: the command-line driver of the scripting language.
//   quipc run FILE         runs a script (its source, or the compiled FILE.bin)
//   quipc compile FILE...  writes each script's compiled value file FILE.bin
//   quipc show FILE        prints the value of a script or value file on one line

#include "file/Buffer.h"
#include "file/BufferBinary.h"
#include "file/Database.h"
#include "file/FileStatus.h"
#include "quip/Parser.h"
#include "quip/ScriptFile.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "quip/Serializer.h"
#include "quip/builtins/BuiltinTable.h"
#include "xstring/Print.h"

#include <malloc.h>

namespace {

int usage() {
  xstring::write(stderr, L"usage: quipc run FILE | quipc compile FILE... | quipc show FILE\n");
  return 2;
}

// The source translated; false after the parse error has been printed.
bool translateFile(const String &path, quip::Array &out) {
  file::Buffer buffer;
  if (!buffer.open(path)) {
    xstring::print(stderr, L"quipc: cannot read %S\n", path.c_str());
    return false;
  }
  String text = buffer.wholeText();
  out = quip::translate(text, path);
  // An empty text is an empty script; any other text without tokens failed.
  return out.count() != 0 || text.isEmpty();
}

int run(const String &path) {
  // Scripts that grow long strings free and allocate blocks of hundreds of
  // kilobytes at every step; under glibc's default thresholds each such block
  // is mapped, or trimmed back to the system, and the page faults dominate.
  mallopt(M_MMAP_THRESHOLD, 4 << 20);
  mallopt(M_TRIM_THRESHOLD, 16 << 20);
  quip::setDiagnostics(true);
  // Scripts find their manager the way the engine's do: by name, in the
  // current database.
  Database *database = new Database(Symbol::intern(L"quipc"), String(L"."));
  Database::registerDatabase(database);
  Database::setCurrent(database->name());
  int status = 0;
  {
    quip::ScriptManager manager(database->scriptManagers(), Symbol::intern(L"framework"));
    quip::Array code = quip::loadScript(path);
    if (code.count() == 0) {
      // A parse error has been printed; a missing file says so here.
      if (!file::exists(path) && !file::exists(path + L".bin"))
        xstring::print(stderr, L"quipc: cannot read %S\n", path.c_str());
      status = 1;
    } else {
      manager.spawn(Symbol::intern(path), code);
      // Advance as the engine does, a frame at a time, until every script is
      // done; frames that no script can tell apart run in one go.
      while (manager.updateFrames(4096, 20, 1.0f / 30) != 0) {
      }
    }
  }
  fflush(stdout);
  Database::releaseRegistry();
  return status;
}

int compile(int count, char **paths) {
  for (int i = 0; i < count; ++i) {
    String path = String::fromUtf8(paths[i]);
    quip::Array code(0);
    if (!translateFile(path, code))
      return 1;
    quip::Serializer serializer(path + L".bin");
    if (!serializer.write(quip::Token(code, false)))
      return 1;
  }
  return 0;
}

// A value file starts with "!" and its binary version bytes; a source file
// never has a control character there.
bool isValueFile(const String &path) {
  file::BufferBinary bytes;
  return bytes.open(path) && bytes.size() >= 2 && bytes.data()[0] == 0x21 && bytes.data()[1] < 0x20;
}

int show(const String &path) {
  quip::Token value;
  if (isValueFile(path)) {
    value = quip::readValueFile(path);
  } else {
    quip::Array code(0);
    if (!translateFile(path, code))
      return 1;
    value = quip::Token(code, false);
  }
  String text = value.toString();
  text += L'\n';
  xstring::write(stdout, text);
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 3)
    return usage();
  quip::installBuiltins();
  String command = String::fromUtf8(argv[1]);
  if (command == L"run" && argc == 3)
    return run(String::fromUtf8(argv[2]));
  if (command == L"compile")
    return compile(argc - 2, argv + 2);
  if (command == L"show" && argc == 3)
    return show(String::fromUtf8(argv[2]));
  return usage();
}
