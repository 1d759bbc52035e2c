#include "text/FontFactory.h"

#include "error/Report.h"
#include "file/ByteProducer.h"
#include "file/Database.h"
#include "quip/FrameworkManager.h"
#include "quip/Token.h"
#include "text/Font.h"

namespace {
FontFactory::Finder g_finder = nullptr;
}

void FontFactory::setFinder(Finder finder) { g_finder = finder; }

FontFactory *FontFactory::of(const Database &database) {
  return g_finder ? g_finder(database) : nullptr;
}

FontFactory *FontFactory::current() {
  Database *database = Database::current();
  return database ? of(*database) : nullptr;
}

Font *FontFactory::font(Symbol name) const {
  Font *const *found = m_fonts.lookup(name);
  return found ? *found : nullptr;
}

Font *FontFactory::defaultFont() const {
  static const Symbol name = Symbol::intern(L"font");
  return font(name);
}

Font *FontFactory::fontOrReport(Symbol name) {
  Font *found = font(name);
  if (!found && !m_reported.contains(name)) {
    m_reported.put(name, true);
    framework::reportError(String(L"Font ") + name.text() + L" not found in database " +
                           (m_database ? m_database->name().text() : L"") +
                           L": its text measures 0 and draws nothing.");
  }
  return found;
}

container::Vector<Symbol> FontFactory::findNames(const String &filter) const {
  container::Vector<Symbol> names = m_fonts.keys();
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

void FontFactory::insert(Font *font) {
  if (Font **found = m_fonts.lookup(font->name())) {
    if (*found != font)
      delete *found;
    *found = font;
    return;
  }
  m_fonts.put(font->name(), font);
}

bool FontFactory::remove(Symbol name) {
  Font **found = m_fonts.lookup(name);
  if (!found)
    return false;
  Font *font = *found;
  m_fonts.remove(name);
  delete font;
  return true;
}

void FontFactory::clear() { m_fonts.deleteValues(); }

void FontFactory::loadSource(const String &path) {
  clear();
  quip::Token result = quip::evaluateWithFramework(m_database, path);
  if (!result.isArray()) {
    framework::reportError(String(L"Fonts: no list in ") + path);
    return;
  }
  const quip::Array &list = result.array();
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (!list[i].isDictionary())
      continue;
    auto *font = new Font;
    font->read(m_database, list[i].dictionary());
    insert(font);
  }
}

bool FontFactory::loadBinary(file::ByteProducer &in) {
  clear();
  while (in.bytesRemaining() > 0) {
    auto *font = new Font;
    if (!font->readBinary(m_database, in)) {
      delete font;
      return false;
    }
    insert(font);
  }
  return true;
}

void FontFactory::writeBinary(file::ByteReceiver &out) const {
  for (Symbol name : findNames(String()))
    font(name)->write(out);
}

Font *findFont(Symbol name, Database *database) {
  if (!database)
    database = Database::current();
  if (FontFactory *factory = database ? FontFactory::of(*database) : nullptr)
    return factory->fontOrReport(name);
  static bool reported = false;
  if (!reported) {
    reported = true;
    framework::reportError(String(L"Font ") + name.text() +
                           L" asked for without a font database: text draws nothing.");
  }
  return nullptr;
}
