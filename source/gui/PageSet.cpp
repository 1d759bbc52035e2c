#include "gui/PageSet.h"

#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "quip/Token.h"

namespace GUI {

namespace {

// Compares pointers only: a page the factory let go of may be deleted.
bool registered(const PageFactory &factory, const Page *page) {
  const container::Vector<Symbol> &names = factory.pageNames();
  for (uint32_t i = 0; i < names.size(); ++i)
    if (factory.lookup(names[i]) == page)
      return true;
  return false;
}

} // namespace

void PageSet::add(const container::Vector<Page *> &pages) {
  for (uint32_t i = 0; i < pages.size(); ++i)
    add(pages[i]);
}

void PageSet::add(Page *page) {
  PageFactory::instance()->addPage(page);
  m_pages.push(page);
}

void PageSet::trashAll() {
  PageFactory *factory = PageFactory::instance();
  // A page the factory already let go of (replaced or trashed) is not
  // trashed twice.
  for (uint32_t i = 0; i < m_pages.size(); ++i)
    if (registered(*factory, m_pages[i]))
      factory->trashPage(m_pages[i]);
  m_pages.clear();
}

void PageSet::exitAll() {
  PageFactory *factory = PageFactory::instance();
  for (uint32_t i = 0; i < m_pages.size(); ++i)
    if (registered(*factory, m_pages[i]))
      m_pages[i]->exit();
}

bool PageSet::load(const String &name, const quip::Token &code) {
  PageFactory *factory = PageFactory::instance();
  // The pages the script registers are those not there before (or put in
  // place of an earlier page of their name).
  container::Vector<Page *> before;
  for (uint32_t i = 0; i < factory->pageNames().size(); ++i)
    before.push(factory->lookup(factory->pageNames()[i]));
  m_name = name;
  m_loaded = quip::Array(0);
  if (!factory->loadPages(name, code))
    return false;
  const container::Vector<Symbol> &after = factory->pageNames();
  for (uint32_t i = 0; i < after.size(); ++i) {
    Page *page = factory->lookup(after[i]);
    bool old = false;
    for (uint32_t k = 0; k < before.size() && !old; ++k)
      old = before[k] == page;
    if (!old)
      m_loaded.append(quip::Token(after[i], false));
  }
  return true;
}

void exitPages(const quip::Array &names) {
  PageFactory *factory = PageFactory::instance();
  for (uint32_t i = 0; i < names.count(); ++i)
    if (names[i].isSymbol())
      if (Page *page = factory->lookup(names[i].symbol()))
        page->exit();
}

void trashPages(const quip::Array &names) { PageFactory::instance()->trashPages(names); }

bool reloadPages(const quip::Array &names, const String &name, const quip::Token &code) {
  return PageFactory::instance()->reloadPages(names, name, code);
}

bool loadPages(const String &name, const quip::Token &code) {
  return PageFactory::instance()->loadPages(name, code);
}

} // namespace GUI
