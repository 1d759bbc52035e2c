#pragma once
// A group of pages added, shown, hidden and retired together, and the page
// factory's group operations on its one instance. A set loaded by a script
// keeps the group's name and the names of the pages it loaded.

#include "container/Vector.h"
#include "quip/Array.h"
#include "xstring/String.h"

namespace quip {
class Token;
}

namespace GUI {

class Page;

class PageSet {
public:
  PageSet() = default;
  PageSet(const PageSet &) = delete;
  PageSet &operator=(const PageSet &) = delete;
  // Retires every page it remembers.
  ~PageSet() { trashAll(); }

  // Registers each page with the page factory and remembers it.
  void add(const container::Vector<Page *> &pages);
  void add(Page *page);
  // Retires every remembered page and forgets them.
  void trashAll();
  // Asks every remembered page to leave.
  void exitAll();
  // Runs the group's script through the page factory and keeps the group's
  // name and the names of the pages it registered; false when the script
  // answered no pages.
  bool load(const String &name, const quip::Token &code);

  const container::Vector<Page *> &pages() const { return m_pages; }
  const String &name() const { return m_name; }
  const quip::Array &loadedNames() const { return m_loaded; }

private:
  container::Vector<Page *> m_pages;
  String m_name;
  quip::Array m_loaded{0};
};

// The page factory's operations on the pages of those names (each a symbol;
// names no page bears are skipped).
void exitPages(const quip::Array &names);
void trashPages(const quip::Array &names);
bool reloadPages(const quip::Array &names, const String &name, const quip::Token &code);
bool loadPages(const String &name, const quip::Token &code);

} // namespace GUI
