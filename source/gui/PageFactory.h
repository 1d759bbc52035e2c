#pragma once
// The one registry of the pages that exist. Pages are retired through a trash
// list that is emptied at the start of the next update, so that code running
// in the frame that retired a page can still touch it.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Array;
class Token;
} // namespace quip

namespace GUI {

class Page;
class Widget;

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

  // Registers the page (trashing one of its name), lets it collect its
  // focusable widgets and puts it on its layer.
  void addPage(Page *page);
  // Runs the script, which answers a dictionary of the registry names of the
  // widgets it built; the pages among them are registered and put in the
  // state their dictionaries gave them. False, loading nothing, when the
  // script answers anything else.
  bool loadPages(const String &name, const quip::Token &code);
  bool reloadPages(const quip::Array &oldNames, const String &name, const quip::Token &code);
  void trashPage(Page *page);
  // Names no page bears are skipped.
  void trashPages(const quip::Array &names);
  // Closing every page: all go to the trash, which is then emptied.
  void trashAll();
  void emptyTrash();

  bool isModalPageShown() const;
  bool isAnyPageHighlighted() const;
  void touchShownPages();
  Widget *widget(Symbol page, Symbol widget) const;
  // The page named by the first symbol, then each further symbol searched
  // under the widget found so far; null, after a report, when a step fails.
  Widget *widgetPathed(const quip::Array &path) const;

  void writePageState(Page &page, file::ByteReceiver &out) const;
  // False, reading nothing after the name, when no page bears the name read.
  bool readPageState(file::ByteProducer &in);

  // The pages now shown (entering or active), for the page-state records.
  container::Vector<Symbol> openPageNames() const;
  // Asks each named page that exists to show itself.
  void enterPages(const container::Vector<Symbol> &names);
  // Asks each named page that exists to leave (a page not showing ignores it).
  void exitPages(const container::Vector<Symbol> &names);

private:
  PageFactory() = default;
  void rebuildNames();

  container::HashTable<Symbol, Page *> m_pages;
  container::Vector<Symbol> m_pageNames;
  container::Vector<Page *> m_trash;
};

} // namespace GUI
