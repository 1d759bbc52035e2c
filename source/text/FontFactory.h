#pragma once
// A database's fonts by name, read from its "fonts" script (a list of font
// dictionaries) or from binary records. An unlisted name gives no font; the
// style default is the font named "font".

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;
class Font;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class FontFactory {
public:
  explicit FontFactory(Database *database) : m_database(database) {}
  FontFactory(const FontFactory &) = delete;
  FontFactory &operator=(const FontFactory &) = delete;
  ~FontFactory() { clear(); }

  // Null for an unlisted name, with no message.
  Font *font(Symbol name) const;
  // The font named "font", or null.
  Font *defaultFont() const;
  // The same as font(), reporting a missing name the first time it is asked
  // for.
  Font *fontOrReport(Symbol name);
  bool contains(Symbol name) const { return m_fonts.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const;
  // Stores the font under its name, deleting one it replaces.
  void insert(Font *font);
  bool remove(Symbol name);
  void clear();
  uint32_t count() const { return m_fonts.count(); }

  void loadSource(const String &path);
  // Records until the bytes end; a broken one ends the load (false),
  // keeping the fonts before it.
  bool loadBinary(file::ByteProducer &in);
  void writeBinary(file::ByteReceiver &out) const;

  Database *database() const { return m_database; }

  // The font factory of a database, through the finder the framework
  // installs; null without one.
  using Finder = FontFactory *(*)(const Database &database);
  static void setFinder(Finder finder);
  static FontFactory *of(const Database &database);
  // The current database's factory, or null.
  static FontFactory *current();

private:
  Database *m_database;
  container::HashTable<Symbol, Font *> m_fonts;
  container::HashTable<Symbol, bool> m_reported;
};

// The font of that name in the database (the current one when null), the
// missing name reported once (also when there is no database or factory at
// all); null then.
Font *findFont(Symbol name, Database *database = nullptr);
