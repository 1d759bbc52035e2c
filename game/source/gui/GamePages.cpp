#include "gui/GamePages.h"

#include "container/Vector.h"
#include "gui/PageFactory.h"
#include "gui/PageGame.h"
#include "gui/PageLevelFailed.h"
#include "gui/PageLevelTotals.h"
#include "xstring/Symbol.h"

namespace GUI {

namespace {

// The lists keep the pages' names: the factory owns the pages and may have
// deleted one already (closing every page at the end of the run).
container::Vector<Symbol> &menuPages() {
  static container::Vector<Symbol> pages;
  return pages;
}

container::Vector<Symbol> &gamePages() {
  static container::Vector<Symbol> pages;
  return pages;
}

void addPage(Page *page, container::Vector<Symbol> &list) {
  PageFactory::instance()->addPage(page);
  list.push(page->name());
}

void trashPages(container::Vector<Symbol> &list) {
  PageFactory *factory = PageFactory::instance();
  while (!list.isEmpty()) {
    Symbol name = list.last();
    list.pop();
    if (Page *page = factory->lookup(name))
      factory->trashPage(page);
  }
}

} // namespace

// The other menu pages join as their kinds are built; until then two
// stand-ins show the end of a level.
void createMenuPages() {
  addPage(new PageGame, menuPages());
  addPage(new PageLevelTotals, menuPages());
  addPage(new PageLevelFailed, menuPages());
}

// No in-game page is built yet.
void createGamePages() {}

void trashMenuPages() { trashPages(menuPages()); }

void trashGamePages() { trashPages(gamePages()); }

} // namespace GUI
