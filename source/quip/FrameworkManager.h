#pragma once
// The script manager named "framework" that a database's registry holds: the
// one asset scripts, glyph files and mark-up attributes run in.

#include "quip/Token.h"

class Database;

namespace quip {

class ScriptManager;

// Null without a database or when it holds none.
ScriptManager *frameworkManager(Database *database);
// The file's value, run by that manager, or by a manager of the same name of
// its own while the database has none.
Token evaluateWithFramework(Database *database, const String &path);

} // namespace quip
