#include "quip/FrameworkManager.h"

#include "file/Database.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"

namespace quip {

namespace {
Symbol frameworkName() {
  static const Symbol name = Symbol::intern(L"framework");
  return name;
}
} // namespace

ScriptManager *frameworkManager(Database *database) {
  return database ? database->scriptManagers().find(frameworkName()) : nullptr;
}

Token evaluateWithFramework(Database *database, const String &path) {
  if (ScriptManager *framework = frameworkManager(database))
    return framework->evaluateFile(path);
  ScriptManager reader(frameworkName());
  return reader.evaluateFile(path);
}

} // namespace quip
