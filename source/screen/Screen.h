#pragma once
// A named state of the user interface: the pages that must be open while it
// is current, the pages that may stay open, and named script procedures.
// Games derive their screens from it.

#include "container/HashTable.h"
#include "quip/Dictionary.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace screen {

class Screen {
public:
  Screen() = default;
  Screen(const Screen &) = delete;
  Screen &operator=(const Screen &) = delete;
  virtual ~Screen() = default;

  virtual void update(float dt) { m_time += dt; }
  // Closes the shown pages it neither opens nor allows, then opens its own.
  virtual void enterPages(Symbol previous);
  virtual void leave(Symbol next) { (void)next; }

  // "name", "allowPages", "openPages", "scripts"; a missing key changes nothing.
  void load(const quip::Dictionary &dictionary);
  // Zeroes the time, opens the pages and records "Enter screen" in the event log.
  void enter(Symbol previous);
  // Starts the named procedure with the argument on its stack; false, with
  // the message logged, when the screen has no such script.
  bool runScript(Symbol scriptName, const quip::Dictionary &argument);

  Symbol name() const { return m_name; }
  void setName(Symbol name) { m_name = name; }
  float time() const { return m_time; }
  bool opensPage(Symbol page) const { return m_openPages.contains(page); }
  bool allowsPage(Symbol page) const { return m_allowedPages.contains(page); }
  const quip::Dictionary &scripts() const { return m_scripts; }

protected:
  Symbol m_name;
  container::HashTable<Symbol, bool> m_openPages;
  container::HashTable<Symbol, bool> m_allowedPages;
  float m_time = 0.0f;
  quip::Dictionary m_scripts;
};

} // namespace screen
