#pragma once
// A named snapshot of the pages that were open, kept so that an application
// or a game engine can reopen them later.

#include "container/Vector.h"
#include "gui/PageFactory.h"
#include "xstring/Symbol.h"

namespace GUI {

class PageStateRecord {
public:
  explicit PageStateRecord(Symbol name) : m_name(name) {}

  Symbol name() const { return m_name; }
  // Remembers the pages open now.
  void save() { m_openPages = PageFactory::instance()->openPageNames(); }
  // Reopens what was remembered.
  void restore() const { PageFactory::instance()->enterPages(m_openPages); }
  const container::Vector<Symbol> &openPages() const { return m_openPages; }

private:
  Symbol m_name;
  container::Vector<Symbol> m_openPages;
};

} // namespace GUI
