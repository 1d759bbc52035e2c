#include "file/Database.h"

namespace {

struct RegistryState {
  Database::Registry table;
  Symbol current = Symbol::emptySymbol();
};

RegistryState *g_registry = nullptr;

RegistryState &state() {
  if (!g_registry)
    g_registry = new RegistryState;
  return *g_registry;
}

} // namespace

Database::Database(Symbol name, const String &path) : m_name(name), m_path(path) {}

Database::~Database() { delete m_scriptManagers; }

Database::Registry &Database::registry() { return state().table; }

void Database::releaseRegistry() {
  if (!g_registry)
    return;
  g_registry->table.deleteValues();
  delete g_registry;
  g_registry = nullptr;
}

void Database::registerDatabase(Database *database) {
  state().table.put(database->name(), database);
}

void Database::unregisterDatabase(Database *database) { state().table.remove(database->name()); }

bool Database::contains(Symbol name) { return state().table.contains(name); }

Database *Database::find(Symbol name) { return state().table.get(name); }

void Database::setCurrent(Symbol name) { state().current = name; }

Symbol Database::currentName() { return state().current; }

Database *Database::current() { return find(state().current); }

container::Vector<Symbol> Database::names() { return state().table.keys(); }
