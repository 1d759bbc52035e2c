#pragma once
// A named root of data: the path its data tree lies under and the registry of
// the script managers that run scripts for it. All databases live in one
// process-wide registry, one of them current. The script-manager registry is
// the scripting library's: it defines scriptManagers() beside the registry
// (quip/ScriptManagerRegistry.cpp); the database only owns what it made.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace quip {
class ScriptManagerRegistry;
}

class Database {
public:
  // What a library above keeps for a database; deleted with it.
  class Attachment {
  public:
    virtual ~Attachment() = default;
  };

  using Registry = container::HashTable<Symbol, Database *>;

  Database(Symbol name, const String &path);
  Database(const Database &) = delete;
  Database &operator=(const Database &) = delete;
  virtual ~Database();

  // The engine's asset database answers itself; a plain database null.
  virtual Database *assetDatabase() { return nullptr; }

  Symbol name() const { return m_name; }
  const String &path() const { return m_path; }
  void setPath(const String &path) { m_path = path; }

  // Created on first use with this database as its owner.
  quip::ScriptManagerRegistry &scriptManagers();

  static Registry &registry();
  static void releaseRegistry();
  static void registerDatabase(Database *database);
  static void unregisterDatabase(Database *database);
  static bool contains(Symbol name);
  static Database *find(Symbol name);
  static void setCurrent(Symbol name);
  static Symbol currentName();
  static Database *current();
  static container::Vector<Symbol> names();

private:
  Symbol m_name;
  String m_path;
  Attachment *m_scriptManagers = nullptr;
};
