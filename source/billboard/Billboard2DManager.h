#pragma once
// A database's named 2-D billboard prototypes, read from its "billboards"
// script or binary file. Every single-image texture of the texture file
// without a prototype of its own gets one of its name. An unlisted name gets
// a placeholder made from the texture of that name, reported once.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Billboard2D;
class Database;
namespace file {
class ByteProducer;
}
namespace quip {
class Array;
class Dictionary;
} // namespace quip

class Billboard2DManager {
public:
  explicit Billboard2DManager(Database *database);
  Billboard2DManager(const Billboard2DManager &) = delete;
  Billboard2DManager &operator=(const Billboard2DManager &) = delete;
  ~Billboard2DManager();

  // Never null.
  Billboard2D *billboard(Symbol name);
  bool contains(Symbol name) const;
  container::Vector<Symbol> findNames(const String &filter) const;
  bool remove(Symbol name);
  // Replaces (and deletes) an entry of that name.
  void define(Symbol name, const quip::Dictionary &dictionary);
  void insert(Symbol name, Billboard2D *billboard);
  void clear();
  uint32_t count() const { return m_prototypes.count(); }

  // The script's array of names and dictionaries, then the texture
  // prototypes.
  void loadSource(const String &path);
  void loadArray(const quip::Array &definitions);
  // Records back to back; one that cannot be read ends the load with an
  // error (false), keeping what was read before it.
  bool loadBinary(file::ByteProducer &in);
  void addTexturePrototypes();

  Database *database() const { return m_database; }
  bool warnings = true;

  // The manager of a database, through the finder the framework installs.
  using Finder = Billboard2DManager *(*)(const Database &database);
  static void setFinder(Finder finder);
  static Billboard2DManager *of(const Database &database);

private:
  Database *m_database;
  container::HashTable<Symbol, Billboard2D *> m_prototypes;
};
