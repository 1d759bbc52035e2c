#include "particle/ParticleSystemFactory.h"

#include "error/Report.h"
#include "file/ByteProducer.h"
#include "file/Database.h"
#include "particle/ParticleSystemDefinition.h"
#include "quip/FrameworkManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "quip/Token.h"

namespace {
ParticleSystemFactory::Finder g_finder = nullptr;
}

void ParticleSystemFactory::setFinder(Finder finder) { g_finder = finder; }

ParticleSystemFactory *ParticleSystemFactory::of(const Database &database) {
  return g_finder ? g_finder(database) : nullptr;
}

ParticleSystemFactory *ParticleSystemFactory::current() {
  Database *database = Database::current();
  return database ? of(*database) : nullptr;
}

ParticleSystemDefinition *ParticleSystemFactory::definition(Symbol name) {
  if (ParticleSystemDefinition **found = m_definitions.lookup(name))
    return *found;
  if (reportMissing)
    framework::reportError(String(L"ParticleSystem ") + name.text() + L" not found in database " +
                           (m_database ? m_database->name().text() : L"") +
                           L".  Using placeholder.");
  auto *placeholder = new ParticleSystemDefinition(name);
  m_definitions.put(name, placeholder);
  return placeholder;
}

void ParticleSystemFactory::retire(ParticleSystemDefinition *definition) {
  m_retired.push(definition);
}

void ParticleSystemFactory::add(ParticleSystemDefinition *definition) {
  if (ParticleSystemDefinition **found = m_definitions.lookup(definition->name)) {
    if (*found != definition)
      retire(*found);
    *found = definition;
    return;
  }
  m_definitions.put(definition->name, definition);
}

void ParticleSystemFactory::removeDefinition(Symbol name) {
  ParticleSystemDefinition **found = m_definitions.lookup(name);
  if (!found)
    return;
  retire(*found);
  m_definitions.remove(name);
}

container::Vector<Symbol> ParticleSystemFactory::findNames(const String &filter) const {
  container::Vector<Symbol> names = m_definitions.keys();
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

void ParticleSystemFactory::clear() {
  m_definitions.deleteValues();
  for (ParticleSystemDefinition *definition : m_retired)
    delete definition;
  m_retired.clear();
}

void ParticleSystemFactory::loadSource(const String &path) {
  clear();
  quip::Token result = quip::evaluateWithFramework(m_database, path);
  if (result.isArray())
    loadArray(result.array());
  else
    framework::reportError(String(L"ParticleSystems: no array in ") + path);
}

void ParticleSystemFactory::loadArray(const quip::Array &definitions) {
  for (uint32_t i = 0; i < definitions.count(); ++i) {
    auto *definition = new ParticleSystemDefinition;
    if (definitions[i].isDictionary())
      definition->read(m_database, definitions[i].dictionary());
    add(definition);
  }
}

bool ParticleSystemFactory::loadBinary(file::ByteProducer &in) {
  clear();
  while (in.bytesRemaining() > 0) {
    auto *definition = new ParticleSystemDefinition;
    if (!definition->readBinary(in, m_database)) {
      delete definition;
      framework::reportError(L"ParticleSystems: the binary file ends in a broken record");
      return false;
    }
    add(definition);
  }
  return true;
}
