#include "gui/PageFactory.h"

namespace GUI {

namespace {
PageFactory *theFactory = nullptr;
}

PageFactory *PageFactory::instance() {
  if (!theFactory)
    theFactory = new PageFactory;
  return theFactory;
}

void PageFactory::destroyInstance() {
  delete theFactory;
  theFactory = nullptr;
}

PageFactory::~PageFactory() {
  trashAll();
  emptyTrash();
}

// No page kind is built in yet, so the registry stays empty and updating,
// closing and looking up have nothing to walk.

void PageFactory::update(float) {
  if (!m_trash.isEmpty())
    emptyTrash();
}

Page *PageFactory::lookup(Symbol name) const { return m_pages.get(name); }

container::Vector<Symbol> PageFactory::pageNames(const String &filter) const {
  container::Vector<Symbol> names(m_pageNames);
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

void PageFactory::trashAll() {}

void PageFactory::emptyTrash() { m_trash.clear(); }

container::Vector<Symbol> PageFactory::openPageNames() const { return {}; }

void PageFactory::enterPages(const container::Vector<Symbol> &) {}

void PageFactory::exitPages(const container::Vector<Symbol> &) {}

} // namespace GUI
