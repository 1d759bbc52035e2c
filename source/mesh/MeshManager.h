#pragma once
// A database's named mesh definitions, which it owns. Scene components find
// their definitions here by name.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;

namespace mesh {

class MeshDefinition;

class MeshManager : public NonCopyable {
public:
  explicit MeshManager(Database *database) : m_database(database) {}
  // Deletes every definition.
  ~MeshManager();

  // Null for a name it does not hold.
  MeshDefinition *find(Symbol name) const;
  bool contains(Symbol name) const { return m_definitions.contains(name); }
  // Takes ownership; a definition held under the same name is deleted.
  void add(MeshDefinition *definition);
  // Deletes the definition of that name, if any.
  void remove(Symbol name);
  // Every name holding each word of the filter, sorted by text.
  container::Vector<Symbol> findNames(const String &filter) const;
  uint32_t count() const { return m_definitions.count(); }
  Database *database() const { return m_database; }

private:
  Database *m_database;
  container::HashTable<Symbol, MeshDefinition *> m_definitions;
};

} // namespace mesh
