#include "billboard/Billboard2DManager.h"

#include "billboard/Billboard2D.h"
#include "error/Report.h"
#include "file/ByteProducer.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "quip/FrameworkManager.h"
#include "quip/Token.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

namespace {
Billboard2DManager::Finder g_finder = nullptr;
}

void Billboard2DManager::setFinder(Finder finder) { g_finder = finder; }

Billboard2DManager *Billboard2DManager::of(const Database &database) {
  return g_finder ? g_finder(database) : nullptr;
}

Billboard2DManager::Billboard2DManager(Database *database) : m_database(database) {}

Billboard2DManager::~Billboard2DManager() { clear(); }

Billboard2D *Billboard2DManager::billboard(Symbol name) {
  if (Billboard2D **found = m_prototypes.lookup(name))
    return *found;
  if (warnings)
    framework::reportError(String(L"Billboard ") + name.text() + L" not found in database " +
                           (m_database ? m_database->name().text() : L"") +
                           L".  Using placeholder.");
  TextureManager *textures = m_database ? TextureManager::of(*m_database) : nullptr;
  auto *placeholder = new Billboard2D(textures ? textures->getTexture(name) : nullptr);
  placeholder->placeholder = true;
  m_prototypes.put(name, placeholder);
  return placeholder;
}

bool Billboard2DManager::contains(Symbol name) const { return m_prototypes.contains(name); }

container::Vector<Symbol> Billboard2DManager::findNames(const String &filter) const {
  container::Vector<Symbol> names = m_prototypes.keys();
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

bool Billboard2DManager::remove(Symbol name) {
  Billboard2D **found = m_prototypes.lookup(name);
  if (!found)
    return false;
  Billboard2D *billboard = *found;
  m_prototypes.remove(name);
  delete billboard;
  return true;
}

void Billboard2DManager::define(Symbol name, const quip::Dictionary &dictionary) {
  auto *billboard = new Billboard2D;
  billboard->read(m_database, dictionary);
  insert(name, billboard);
}

void Billboard2DManager::insert(Symbol name, Billboard2D *billboard) {
  // The old one is deleted: nothing may keep a prototype's address.
  if (Billboard2D **found = m_prototypes.lookup(name)) {
    if (*found != billboard)
      delete *found;
    *found = billboard;
    return;
  }
  m_prototypes.put(name, billboard);
}

void Billboard2DManager::clear() { m_prototypes.deleteValues(); }

void Billboard2DManager::loadSource(const String &path) {
  clear();
  quip::Token result = quip::evaluateWithFramework(m_database, path);
  if (result.isArray())
    loadArray(result.array());
  else
    framework::reportError(String(L"Billboards: no array in ") + path);
  addTexturePrototypes();
}

void Billboard2DManager::loadArray(const quip::Array &definitions) {
  for (uint32_t i = 0; i + 1 < definitions.count(); i += 2) {
    const quip::Token &name = definitions[i];
    const quip::Token &value = definitions[i + 1];
    if (name.isSymbol() && value.isDictionary())
      define(name.symbol(), value.dictionary());
  }
}

bool Billboard2DManager::loadBinary(file::ByteProducer &in) {
  clear();
  bool ok = true;
  while (in.bytesRemaining() > 0) {
    Symbol name;
    file::read(name, in);
    auto *billboard = new Billboard2D;
    if (in.overrun() || !billboard->readBinary(m_database, in)) {
      delete billboard;
      framework::reportError(L"Billboards: the binary file ends in a broken record");
      ok = false;
      break;
    }
    insert(name, billboard);
  }
  addTexturePrototypes();
  return ok;
}

void Billboard2DManager::addTexturePrototypes() {
  TextureManager *textures = m_database ? TextureManager::of(*m_database) : nullptr;
  if (!textures)
    return;
  for (Symbol name : textures->findNames(String())) {
    Texture *texture = textures->find(name);
    if (!texture || texture->kind() != Texture::SIMPLE || texture->placeholder() ||
        m_prototypes.contains(name))
      continue;
    if (!static_cast<TextureSimple *>(texture)->inMonolith)
      continue;
    m_prototypes.put(name, new Billboard2D(texture));
  }
}
