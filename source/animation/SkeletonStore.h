#pragma once
// The asset database's skeletons by name. They are stored in their binary
// records, one file per skeleton (read on first use, after the index of
// names) or all in one file (read at load). A name that cannot be found gets
// an empty placeholder, reported once, so drawing code never receives null.
// Pointers handed out stay valid until the store is cleared; a refresh reads
// changed skeletons into the same objects.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;

namespace animation {
class Skeleton;
}

class SkeletonStore {
public:
  explicit SkeletonStore(Database *database) : m_database(database) {}
  SkeletonStore(const SkeletonStore &) = delete;
  SkeletonStore &operator=(const SkeletonStore &) = delete;
  ~SkeletonStore() { clear(); }

  // Clears, then reads the one-file form or the index, as chosen.
  void load(bool oneFile);
  // The names of the index file, sorted; a missing index leaves none.
  void loadIndex();
  // Every record of the one-file form; a broken one ends the read with an
  // error, keeping the skeletons before it.
  void loadMonolithic();

  // Never null: the stored skeleton, the one read from its own file, or a
  // placeholder of that name.
  animation::Skeleton *skeleton(Symbol name);
  bool contains(Symbol name) const;
  // The names that exist (those of the table in the one-file form) holding
  // each word of the filter, sorted by text.
  container::Vector<Symbol> names(const String &filter) const;
  // Deletes every skeleton and forgets every name.
  void clear();
  // Lists the sources again and reads every held skeleton that has its own
  // file into the same object.
  void refreshSkeletons();
  // The index file of the names (a u16 count, then each name), saved whole.
  static bool writeIndex(const container::Vector<Symbol> &names, const String &path);

  bool oneFileForm() const { return m_oneFile; }
  void setOneFileForm(bool oneFile) { m_oneFile = oneFile; }
  uint32_t count() const { return m_skeletons.count(); }
  Database *database() const { return m_database; }

  String indexPath() const;
  String oneFilePath() const;
  String sourceFolder() const;
  String skeletonPath(Symbol name) const;

  // Making a placeholder is reported while set.
  bool warnPlaceholder = true;

  // The store of a database, through the finder the framework installs.
  using Finder = SkeletonStore *(*)(const Database &database);
  static void setFinder(Finder finder);
  static SkeletonStore *of(const Database &database);

private:
  // The skeleton read from its own file into a new object, or null when
  // the file does not exist.
  animation::Skeleton *readOwnFile(Symbol name);
  bool listed(Symbol name) const;

  Database *m_database;
  container::HashTable<Symbol, animation::Skeleton *> m_skeletons;
  // In ascending order of their characters, for binary search.
  container::Vector<Symbol> m_names;
  bool m_oneFile = false;
};
