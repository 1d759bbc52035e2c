#include "texture/TextureManager.h"

#include "file/Database.h"
#include "surface/Reports.h"
#include "texture/TextureSimple.h"

#include <algorithm>

namespace {

TextureManager::Finder g_finder = nullptr;
container::Vector<TextureManager *> g_live;

} // namespace

TextureManager::TextureManager(Database *database) : m_database(database) { g_live.push(this); }

TextureManager::~TextureManager() {
  deleteAll();
  int i = g_live.indexOf(this);
  if (i >= 0)
    g_live.removeAt(uint32_t(i));
}

void TextureManager::deleteAll() {
  // Animated textures point at their frames: they go first.
  for (Texture *&texture : m_order)
    if (texture->kind() != Texture::SIMPLE) {
      delete texture;
      texture = nullptr;
    }
  for (Texture *texture : m_order)
    delete texture;
  m_order.clear();
  m_table.clear();
}

void TextureManager::setFinder(Finder finder) { g_finder = finder; }

TextureManager *TextureManager::of(const Database &database) {
  // The installed finder answers for the databases it wired; a database that
  // made its own manager is still found among the live ones.
  if (g_finder)
    if (TextureManager *found = g_finder(database))
      return found;
  for (TextureManager *manager : g_live)
    if (manager->m_database == &database)
      return manager;
  return nullptr;
}

Texture *TextureManager::find(Symbol name) const {
  Texture *const *found = m_table.lookup(name);
  return found ? *found : nullptr;
}

Texture *TextureManager::getTexture(Symbol name) {
  if (Texture *texture = find(name))
    return texture;
  if (warnMissing)
    renderError(String(L"Texture ") + name.toString() + L" not found in database " +
                (m_database ? m_database->name().toString() : String()) + L".  Using placeholder.");
  auto *pixels = new PixelBuffer;
  pixels->create(8, 8, PixelBuffer::RGB888);
  pixels->fill(255, 0, 255, 255);
  auto *placeholder = new TextureSimple(m_database, name, pixels);
  placeholder->setPlaceholder(true);
  addTexture(placeholder);
  return placeholder;
}

container::Vector<Symbol> TextureManager::findNames(const String &filter) const {
  container::Vector<String> words;
  filter.split(String(L" \t"), words);
  container::Vector<Symbol> names;
  for (Texture *texture : m_order) {
    String text = texture->name().toString();
    bool all = true;
    for (const String &word : words)
      all = all && (word.isEmpty() || text.find(word) >= 0);
    if (all)
      names.push(texture->name());
  }
  std::sort(names.begin(), names.end(),
            [](Symbol a, Symbol b) { return String::compare(a.text(), b.text()) < 0; });
  return names;
}

void TextureManager::addTexture(Texture *texture) {
  if (!texture)
    return;
  Texture *old = find(texture->name());
  if (old && old != texture) {
    m_order.removeAt(uint32_t(m_order.indexOf(old)));
    m_table.remove(old->name());
    delete old;
  }
  texture->setManager(this);
  if (old != texture) {
    m_order.push(texture);
    m_table.put(texture->name(), texture);
  }
}

void TextureManager::removeTexture(Symbol name) {
  Texture *texture = find(name);
  if (!texture)
    return;
  m_order.removeAt(uint32_t(m_order.indexOf(texture)));
  m_table.remove(name);
  delete texture;
}

void TextureManager::update() {
  for (Texture *texture : m_order)
    texture->advanceFrame();
}

void TextureManager::unloadAll() {
  for (Texture *texture : m_order)
    texture->unload();
}

void TextureManager::releaseBuffers() {
  m_readBuffer.releaseStorage();
  m_sharedPixels.destroy();
}
