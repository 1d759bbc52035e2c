#include "quip/ScriptManagerRegistry.h"

#include "quip/ScriptManager.h"

namespace quip {

ScriptManagerRegistry::~ScriptManagerRegistry() {
  m_table.forEach([this](const Symbol &, ScriptManager *manager) {
    if (manager->m_registry == this)
      manager->m_registry = nullptr;
  });
}

ScriptManager *ScriptManagerRegistry::find(Symbol name) const {
  ScriptManager *const *manager = m_table.lookup(name);
  return manager ? *manager : nullptr;
}

void ScriptManagerRegistry::remove(Symbol name, const ScriptManager *manager) {
  if (find(name) == manager)
    m_table.remove(name);
}

container::Vector<Symbol> ScriptManagerRegistry::names() const {
  container::Vector<Symbol> out = m_table.keys();
  sortSymbols(out);
  return out;
}

Token evaluateForDatabase(Database *database, const String &path) {
  static const Symbol frameworkName = Symbol::intern(L"framework");
  if (ScriptManager *framework =
          database ? database->scriptManagers().find(frameworkName) : nullptr)
    return framework->evaluateFile(path);
  ScriptManager reader(frameworkName);
  return reader.evaluateFile(path);
}

} // namespace quip

// The database's side of the registry lives here, with the script managers.
quip::ScriptManagerRegistry &Database::scriptManagers() {
  if (!m_scriptManagers)
    m_scriptManagers = new quip::ScriptManagerRegistry(this);
  return static_cast<quip::ScriptManagerRegistry &>(*m_scriptManagers);
}
