#include "quip/ScriptFile.h"

#include "error/Log.h"
#include "file/Buffer.h"
#include "file/FileStatus.h"
#include "quip/Parser.h"
#include "quip/Serializer.h"

#include <ctime>

namespace quip {

Array loadScript(const String &path) {
  String compiledPath = path + L".bin";
  time_t sourceTime = 0, compiledTime = 0;
  bool hasSource = file::modificationTime(path, sourceTime);
  // A folder of that name is no compiled file.
  bool hasCompiled =
      file::modificationTime(compiledPath, compiledTime) && !file::isDirectory(compiledPath);
  if (!hasCompiled) {
    showMessage(L"WARNING", String(L"Failed to find binary file: ") + compiledPath +
                                L"\nRun 'qc.pl --localize' to compile all quip script files\n");
  }
  if (hasCompiled && (!hasSource || std::difftime(sourceTime, compiledTime) <= 0)) {
    logLine(String(L"loading binary: ") + compiledPath);
    Serializer serializer(compiledPath);
    Token value = serializer.read();
    // A damaged or foreign compiled file loads nothing; one that cannot be
    // read at all (reported by the reader) leaves the source to be used.
    if (serializer.opened() || !hasSource)
      return value.isArray() ? value.array() : Array(0);
  }
  logLine(String(L"loading source: ") + path);
  file::Buffer buffer;
  if (!buffer.open(path))
    return Array(0);
  return translate(buffer.wholeText(), path);
}

} // namespace quip
