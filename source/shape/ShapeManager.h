#pragma once
// A database's named shapes, defined by its "shapes" script through the
// builtin defineShape.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;
namespace quip {
class Dictionary;
class Interpreter;
} // namespace quip

namespace shape {

class Shape;

class ShapeManager : public NonCopyable {
public:
  explicit ShapeManager(Database *database) : m_database(database) {}
  // Deletes every shape.
  ~ShapeManager();

  // Clears the manager, then runs the script at the path (its compiled form
  // when newer) to completion in the database's "framework" script manager.
  void loadSource(const String &path);
  // A new shape read from the dictionary, stored under its name; a shape
  // of that name is deleted.
  Shape *defineShape(const quip::Dictionary &dictionary);
  bool contains(Symbol name) const { return m_shapes.contains(name); }
  // Null for a name without a shape.
  Shape *find(Symbol name) const;
  // A copy of the named shape for the caller to own; null without one.
  Shape *instantiate(Symbol name) const;
  void remove(Symbol name);
  void clear();
  // Every name holding each word of the filter, sorted by text.
  container::Vector<Symbol> findNames(const String &filter) const;
  uint32_t count() const { return m_shapes.count(); }
  Database *database() const { return m_database; }

  // The manager of a database, through the finder the framework installs.
  using Finder = ShapeManager *(*)(const Database &database);
  static void setFinder(Finder finder);
  static ShapeManager *of(const Database &database);

private:
  Database *m_database;
  container::HashTable<Symbol, Shape *> m_shapes;
};

// The script builtin "defineShape" (dictionary): a shape in the shape
// manager of the calling script's database.
void builtin_defineShape(quip::Interpreter *interpreter, int *error);

} // namespace shape
