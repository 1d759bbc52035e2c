// quipc: the command-line driver of the scripting language.
//   quipc run FILE         runs a script (its source, or the compiled FILE.bin)
//   quipc compile FILE...  writes each script's compiled value file FILE.bin
//   quipc show FILE        prints the value of a script or value file on one line

#include "file/Buffer.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "xstring/Print.h"

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
  out = quip::translate(buffer.wholeText(), path);
  return out.count() != 0;
}

int run(const String &path) {
  quip::setDiagnostics(true);
  quip::Array code(0);
  if (!translateFile(path, code))
    return 1;
  quip::ScriptManager manager(Symbol::intern(L"framework"));
  manager.spawn(Symbol::intern(path), code);
  // Advance as the engine does, a frame at a time, until every script is done.
  while (manager.update(20, 1.0f / 30) != 0) {
  }
  fflush(stdout);
  return 0;
}

int show(const String &path) {
  quip::Array code(0);
  if (!translateFile(path, code))
    return 1;
  String text = quip::Token(code, false).toString();
  text += L'\n';
  xstring::write(stdout, text);
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 3)
    return usage();
  String command = String::fromUtf8(argv[1]);
  String path = String::fromUtf8(argv[2]);
  if (command == L"run" && argc == 3)
    return run(path);
  if (command == L"show" && argc == 3)
    return show(path);
  return usage();
}
