#include "quip/ScriptManagerRegistry.h"

#include "file/Database.h"
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

namespace {
ScriptManagerRegistry *makeRegistry(Database *owner) { return new ScriptManagerRegistry(owner); }
void deleteRegistry(ScriptManagerRegistry *registry) { delete registry; }

// Databases make their registries through these hooks; installing them here
// means any program that uses a registry has them before main.
const bool g_hooksInstalled = (setScriptManagerRegistryHooks(makeRegistry, deleteRegistry), true);
} // namespace

} // namespace quip
