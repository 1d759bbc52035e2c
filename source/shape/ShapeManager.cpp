#include "shape/ShapeManager.h"

#include "file/Database.h"
#include "quip/Builtin.h"
#include "quip/FrameworkManager.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "shape/Shape.h"

namespace shape {

namespace {

ShapeManager::Finder g_finder = nullptr;
// The manager whose script runs now; its scripts find it without a finder.
ShapeManager *g_loading = nullptr;

struct Loading {
  ShapeManager *previous;
  explicit Loading(ShapeManager *manager) : previous(g_loading) { g_loading = manager; }
  ~Loading() { g_loading = previous; }
};

// For a manager of no database: no textures to find.
const Database &noDatabase() {
  static const Database none(Symbol::emptySymbol(), String());
  return none;
}

} // namespace

void ShapeManager::setFinder(Finder finder) { g_finder = finder; }

ShapeManager *ShapeManager::of(const Database &database) {
  return g_finder ? g_finder(database) : nullptr;
}

ShapeManager::~ShapeManager() { clear(); }

void ShapeManager::loadSource(const String &path) {
  static const Symbol frameworkName = Symbol::intern(L"framework");
  clear();
  if (!m_database)
    return;
  Loading loading(this);
  if (quip::ScriptManager *framework = quip::frameworkManager(m_database)) {
    framework->evaluateFile(path);
    return;
  }
  // No framework to run it: a manager of that name in the database for the
  // load (so that the script's builtin finds the database), which knows the
  // one builtin the script needs.
  quip::ScriptManager reader(m_database->scriptManagers(), frameworkName);
  quip::registerBuiltin(reader.builtins(), L"defineShape", builtin_defineShape);
  reader.evaluateFile(path);
}

Shape *ShapeManager::defineShape(const quip::Dictionary &dictionary) {
  auto *shape = new Shape;
  shape->read(m_database ? *m_database : noDatabase(), dictionary);
  if (Shape **found = m_shapes.lookup(shape->name)) {
    delete *found;
    *found = shape;
  } else {
    m_shapes.put(shape->name, shape);
  }
  return shape;
}

Shape *ShapeManager::find(Symbol name) const {
  Shape *const *found = m_shapes.lookup(name);
  return found ? *found : nullptr;
}

Shape *ShapeManager::instantiate(Symbol name) const {
  Shape *shape = find(name);
  return shape ? shape->copy() : nullptr;
}

void ShapeManager::remove(Symbol name) {
  Shape **found = m_shapes.lookup(name);
  if (!found)
    return;
  Shape *shape = *found;
  m_shapes.remove(name);
  delete shape;
}

void ShapeManager::clear() { m_shapes.deleteValues(); }

container::Vector<Symbol> ShapeManager::findNames(const String &filter) const {
  container::Vector<Symbol> names = m_shapes.keys();
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

void builtin_defineShape(quip::Interpreter *in, int *error) {
  quip::Token dictionary;
  if (!quip::popArgument(in, error, "builtin_defineShape", L"dict", quip::TYPE_DICTIONARY,
                         dictionary))
    return;
  Database *database = in->database();
  ShapeManager *manager = database ? ShapeManager::of(*database) : nullptr;
  if (!manager && g_loading && g_loading->database() == database)
    manager = g_loading;
  if (!manager) {
    quip::builtinError(in, error, "builtin_defineShape", L"no shape manager for this script");
    return;
  }
  manager->defineShape(dictionary.dictionary());
}

} // namespace shape
