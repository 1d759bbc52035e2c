#pragma once
// The script managers of one database, by name.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "file/Database.h"
#include "xstring/Symbol.h"

namespace quip {

class ScriptManager;
class Token;

// Made by Database::scriptManagers() on first use and owned by the database.
class ScriptManagerRegistry : public Database::Attachment {
public:
  using Table = container::HashTable<Symbol, ScriptManager *>;

  explicit ScriptManagerRegistry(Database *owner) : m_owner(owner) {}
  ScriptManagerRegistry(const ScriptManagerRegistry &) = delete;
  ScriptManagerRegistry &operator=(const ScriptManagerRegistry &) = delete;
  // Managers that outlive their registry forget it.
  ~ScriptManagerRegistry() override;

  Database *owner() const { return m_owner; }
  ScriptManager *find(Symbol name) const;
  // An existing entry of that name is replaced.
  void put(Symbol name, ScriptManager *manager) { m_table.put(name, manager); }
  // Removes the entry only while it still names this manager.
  void remove(Symbol name, const ScriptManager *manager);
  // Sorted by text.
  container::Vector<Symbol> names() const;
  const Table &table() const { return m_table; }

private:
  Database *m_owner;
  Table m_table;
};

} // namespace quip
