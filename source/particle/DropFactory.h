#pragma once
// A database's drop definitions by name, read from its "drops" script (an
// array of definition dictionaries). Drops keep pointers to their
// definitions: one replaced or removed while drops may still use it is kept
// until the factory is cleared.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;
class DropDefinition;
namespace quip {
class Array;
}

class DropFactory {
public:
  explicit DropFactory(Database *database) : m_database(database) {}
  DropFactory(const DropFactory &) = delete;
  DropFactory &operator=(const DropFactory &) = delete;
  ~DropFactory() { clear(); }

  // The script's result as an array of definitions, added to those held.
  // A result that is not an array, an element that is not a dictionary and
  // a definition without a name are skipped with a warning.
  void loadSource(const String &path);
  void loadArray(const quip::Array &definitions);

  // Null for a name not filed.
  DropDefinition *find(Symbol name) const;
  // Takes ownership; one of the same name leaves the table but lives on.
  void add(DropDefinition *definition);
  // Out of the table, kept until the factory is cleared.
  void remove(Symbol name);
  bool contains(Symbol name) const { return m_definitions.contains(name); }
  // Every name holding each word of the filter, sorted by text.
  container::Vector<Symbol> findNames(const String &filter) const;
  uint32_t count() const { return m_definitions.count(); }
  // Deletes every definition, replaced ones too: only while no drop made
  // from this factory is alive.
  void clear();

  Database *database() const { return m_database; }

private:
  Database *m_database;
  container::HashTable<Symbol, DropDefinition *> m_definitions;
  container::Vector<DropDefinition *> m_retired;
};
