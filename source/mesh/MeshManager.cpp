#include "mesh/MeshManager.h"

#include "mesh/MeshDefinition.h"

namespace mesh {

MeshManager::~MeshManager() { m_definitions.deleteValues(); }

MeshDefinition *MeshManager::find(Symbol name) const {
  MeshDefinition *const *found = m_definitions.lookup(name);
  return found ? *found : nullptr;
}

void MeshManager::add(MeshDefinition *definition) {
  if (!definition)
    return;
  if (MeshDefinition **found = m_definitions.lookup(definition->name())) {
    if (*found != definition)
      delete *found;
    *found = definition;
    return;
  }
  m_definitions.put(definition->name(), definition);
}

void MeshManager::remove(Symbol name) {
  MeshDefinition **found = m_definitions.lookup(name);
  if (!found)
    return;
  MeshDefinition *definition = *found;
  m_definitions.remove(name);
  delete definition;
}

container::Vector<Symbol> MeshManager::findNames(const String &filter) const {
  container::Vector<Symbol> names = m_definitions.keys();
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

} // namespace mesh
