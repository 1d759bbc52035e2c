#pragma once
// A database's named particle system definitions, read from its
// "particleSystems" script (an array of dictionaries) or its binary form.
// An unlisted name is reported once and gets an empty placeholder, so that a
// system can always be made. Systems keep pointers to their definitions: a
// definition replaced at run time is kept until the factory is cleared.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;
class ParticleSystemDefinition;
namespace file {
class ByteProducer;
}
namespace quip {
class Array;
}

class ParticleSystemFactory {
public:
  explicit ParticleSystemFactory(Database *database) : m_database(database) {}
  ParticleSystemFactory(const ParticleSystemFactory &) = delete;
  ParticleSystemFactory &operator=(const ParticleSystemFactory &) = delete;
  ~ParticleSystemFactory() { clear(); }

  // Never null.
  ParticleSystemDefinition *definition(Symbol name);
  // Takes ownership. One already stored under the name leaves the table but
  // lives on until the factory is cleared.
  void add(ParticleSystemDefinition *definition);
  // The same: out of the table, kept until the factory is cleared.
  void removeDefinition(Symbol name);
  bool contains(Symbol name) const { return m_definitions.contains(name); }
  // Every name holding each word of the filter, sorted by text.
  container::Vector<Symbol> findNames(const String &filter) const;
  uint32_t count() const { return m_definitions.count(); }
  // Deletes every definition, placeholders and replaced ones too: only
  // while no system made from this factory is alive.
  void clear();

  void loadSource(const String &path);
  void loadArray(const quip::Array &definitions);
  // Records back to back; one that cannot be read ends the load (false,
  // reported), keeping those read before it.
  bool loadBinary(file::ByteProducer &in);

  Database *database() const { return m_database; }
  bool reportMissing = true;

  // The factory of a database, through the finder the framework installs.
  using Finder = ParticleSystemFactory *(*)(const Database &database);
  static void setFinder(Finder finder);
  static ParticleSystemFactory *of(const Database &database);
  // The current database's, or null.
  static ParticleSystemFactory *current();

private:
  void retire(ParticleSystemDefinition *definition);

  Database *m_database;
  container::HashTable<Symbol, ParticleSystemDefinition *> m_definitions;
  container::Vector<ParticleSystemDefinition *> m_retired;
};
