#pragma once
// The engine's asset database. The framework makes it with the path ".",
// registers it and makes it current; script code reaches it from a plain
// Database through assetDatabase().

#include "file/Database.h"

class CorvaneDatabase : public Database {
public:
  CorvaneDatabase(Symbol name, const String &path);
  Database *assetDatabase() override { return this; }
};
