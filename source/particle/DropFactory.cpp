#include "particle/DropFactory.h"

#include "error/Report.h"
#include "particle/DropDefinition.h"
#include "quip/FrameworkManager.h"
#include "quip/Token.h"

void DropFactory::loadSource(const String &path) {
  quip::Token result = quip::evaluateWithFramework(m_database, path);
  if (result.isArray())
    loadArray(result.array());
  else
    framework::reportWarning(__FILE__, __LINE__, "loadSource",
                             String(L"Drops: no array in ") + path);
}

void DropFactory::loadArray(const quip::Array &definitions) {
  for (uint32_t i = 0; i < definitions.count(); ++i) {
    if (!definitions[i].isDictionary()) {
      framework::reportWarning(__FILE__, __LINE__, "loadArray",
                               L"Drops: an element that is not a dictionary is skipped.");
      continue;
    }
    auto *definition = new DropDefinition;
    definition->read(m_database, definitions[i].dictionary());
    if (definition->name.isEmpty()) {
      framework::reportWarning(__FILE__, __LINE__, "loadArray",
                               L"Drops: a definition without a name is skipped.");
      delete definition;
      continue;
    }
    add(definition);
  }
}

DropDefinition *DropFactory::find(Symbol name) const {
  DropDefinition *const *found = m_definitions.lookup(name);
  return found ? *found : nullptr;
}

void DropFactory::add(DropDefinition *definition) {
  if (DropDefinition **found = m_definitions.lookup(definition->name)) {
    if (*found != definition)
      m_retired.push(*found);
    *found = definition;
    return;
  }
  m_definitions.put(definition->name, definition);
}

void DropFactory::remove(Symbol name) {
  DropDefinition **found = m_definitions.lookup(name);
  if (!found)
    return;
  m_retired.push(*found);
  m_definitions.remove(name);
}

container::Vector<Symbol> DropFactory::findNames(const String &filter) const {
  container::Vector<Symbol> names = m_definitions.keys();
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

void DropFactory::clear() {
  m_definitions.deleteValues();
  for (DropDefinition *definition : m_retired)
    delete definition;
  m_retired.clear();
}
