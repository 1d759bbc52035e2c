#pragma once
// The one registry of the pages that exist. Pages are retired through a trash
// list that is emptied at the start of the next update, so that code running
// in the frame that retired a page can still touch it.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace GUI {

class Page;

class PageFactory {
public:
  static PageFactory *instance();
  static void destroyInstance();
  static Page *page(Symbol name) { return instance()->lookup(name); }

  PageFactory(const PageFactory &) = delete;
  PageFactory &operator=(const PageFactory &) = delete;
  ~PageFactory();

  // Empties the trash first, then updates every page in name order.
  void update(float dt);
  Page *lookup(Symbol name) const;
  bool contains(Symbol name) const { return lookup(name) != nullptr; }
  // The registered names, sorted, kept when every word of the filter occurs.
  container::Vector<Symbol> pageNames(const String &filter) const;
  const container::Vector<Symbol> &pageNames() const { return m_pageNames; }

  // Closing every page: all go to the trash, which is then emptied.
  void trashAll();
  void emptyTrash();

  // The pages now shown (entering or active), for the page-state records.
  container::Vector<Symbol> openPageNames() const;
  // Asks each named page that exists to show itself.
  void enterPages(const container::Vector<Symbol> &names);
  // Asks each named page that exists to leave (a page not showing ignores it).
  void exitPages(const container::Vector<Symbol> &names);

private:
  PageFactory() = default;

  container::HashTable<Symbol, Page *> m_pages;
  container::Vector<Symbol> m_pageNames;
  container::Vector<Page *> m_trash;
};

} // namespace GUI
